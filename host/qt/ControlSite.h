#pragma once
// ControlSite: a QWidget that hosts one GlossButton and serves it as its ControlHost.
//
// The site owns a ControlWindow: the control and its platform window, whose default procedure
// turns window messages into the control's notifications. Qt input is encoded once as window
// messages and sent through the window's current procedure, so a hook installed by the control
// sees every message. The published image is the widget's face and the window's region is its
// mask.
//
// Lifecycle: the constructor gives Initialize; then the owner calls InitProperties() (a new
// instance) or ReadProperties(bag) (a stored one). Resize follows once the widget has a size,
// Show when it is shown, Terminate when the site is destroyed.
//
// Any event handler may delete the site (or its parent) while the control is inside the
// handler that raised the event; the site never touches the control or its window after that.
#include <cstdint>
#include <memory>
#include <string>

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "glossbutton/ControlHost.h"
#include "glossbutton/ControlWindow.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/Image.h"
#include "host/qt/QtTextEngine.h"
#include "platform/Window.h"

namespace host {

class ControlSite : public QWidget, public gloss::ControlHost, private gloss::ControlWindowHost {
  Q_OBJECT

 public:
  explicit ControlSite(QWidget* parent = nullptr);
  ~ControlSite() override;

  gloss::GlossButton& Button() { return m_Window->Button(); }
  const gloss::GlossButton& Button() const { return m_Window->Button(); }
  platform::HWND Hwnd() const { return m_Window->Hwnd(); }

  // Ambient UserMode: true in a running program. Set it before the properties are read.
  void SetUserMode(bool userMode) { m_UserMode = userMode; }

  // The second lifecycle step (exactly one of the two, once).
  void InitProperties();
  void ReadProperties(const gloss::PropertyBag& bag);
  bool PropertiesLoaded() const { return m_Window->Loaded(); }

  // Not owned; may be null. Handlers may delete this site.
  void SetEventListener(gloss::GlossButtonEvents* listener);

  // A left press (or Enter) is down on the button.
  bool Pressed() const { return m_Window->Pressed(); }
  // A left press and release at a pixel of the shape, sent as the mouse's would be: the same
  // events and looks as a click. For assistive technology's press action.
  void PressAndRelease();

  // What the widget currently shows.
  std::shared_ptr<const gloss::Image> PublishedImage() const { return m_Image; }
  std::int32_t MousePointer() const { return m_MousePointer; }
  std::int32_t ControlForeColor() const { return m_ForeColor; }

  // ---- ControlHost
  void PropertyChanged(const std::string& name) override;
  bool AmbientUserMode() const override { return m_UserMode; }
  gloss::Font AmbientFont() const override;
  std::string InstanceName() const override;
  std::int32_t ParentBackColor() const override;
  float ScaleWidth() const override { return static_cast<float>(width()); }
  float ScaleHeight() const override { return static_cast<float>(height()); }
  double DevicePixelRatio() const override { return devicePixelRatioF(); }
  platform::HWND WindowHandle() const override { return m_Window ? m_Window->Hwnd() : 0; }
  void SetMousePointer(std::int32_t kind) override;
  void SetForeColor(std::int32_t oleColor) override;
  void PublishImage(std::shared_ptr<const gloss::Image> image) override;
  gloss::TextEngine& Text() override { return m_Text; }

  QSize sizeHint() const override { return {100, 30}; }

  // A Qt font as the control's font value (points at 96 dpi, Windows weights).
  static gloss::Font ToControlFont(const QFont& font);

 signals:
  // The control gave its property-changed notification.
  void controlPropertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // ---- ControlWindowHost
  bool IsVisiblePixel(std::int32_t x, std::int32_t y) const override;
  void PressedChanged() override;

  // Sends one message through the window's current procedure, then drains posted messages.
  // Returns false when the site was destroyed meanwhile: the caller must return at once.
  bool Send(platform::UINT uMsg, platform::WPARAM wParam, platform::LPARAM lParam);
  bool DispatchPosted();
  // Mouse input: a first press outside the shape is ignored and left to what is behind (true);
  // the others are sent as msg (nothing for WM_NULL).
  bool FallsThrough(QMouseEvent* event);
  void SendMouse(platform::UINT msg, QMouseEvent* event);
  // Runs a lifecycle notification with the same guard and error report.
  template <class F>
  bool Notify(const char* what, F&& f);
  void ReportError(const char* what, const char* message);

  void ApplyRegion();
  // Is the device pixel under the logical position p inside the shape?
  bool InsideShape(const QPointF& p) const;
  void SendResize();

  QtTextEngine m_Text;
  // Destroyed first (in the destructor): the control uses m_Text.
  std::unique_ptr<gloss::ControlWindow> m_Window;

  bool m_UserMode = true;
  bool m_SentResize = false;
  QSize m_LastSize;

  std::shared_ptr<const gloss::Image> m_Image;
  double m_ImageRatio = 1.0;  // the device pixel ratio m_Image was drawn at
  // Above ratio 1 the mask (whole widget pixels) holds device pixels outside the shape; these are
  // painted transparent, from the face cut to the region in device pixels.
  QRegion m_DeviceRegion;
  // Where the last mouse event sent to the control really was: on a scaled screen a whole pixel
  // of the message covers device pixels both inside and outside the shape.
  QPointF m_LastMouseAt{-1, -1};
  bool m_HasRegion = false;
  QImage m_CutFace;
  const gloss::Image* m_CutFrom = nullptr;
  std::int32_t m_MousePointer = 0;
  std::int32_t m_ForeColor = 0;
};

}  // namespace host
