#pragma once
// ControlSite: a QWidget that hosts one GlossButton and serves it as its ControlHost.
//
// The site owns a platform window whose procedure starts as the site's default procedure. Qt
// input is encoded as window messages and sent through the window's current procedure, so a
// hook installed by the control sees every message; the default procedure turns the messages
// into the control's notifications. The published image is the widget's face and the window's
// region is its mask.
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
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "glossbutton/ControlHost.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/Image.h"
#include "host/KeyActivation.h"
#include "host/QtTextEngine.h"
#include "platform/Window.h"

namespace host {

class ControlSite : public QWidget, public gloss::ControlHost {
  Q_OBJECT

 public:
  explicit ControlSite(QWidget* parent = nullptr);
  ~ControlSite() override;

  gloss::GlossButton& Button() { return *m_Button; }
  const gloss::GlossButton& Button() const { return *m_Button; }
  platform::HWND Hwnd() const { return m_hWnd; }

  // Ambient UserMode: true in a running program. Set it before the properties are read.
  void SetUserMode(bool userMode) { m_UserMode = userMode; }

  // The second lifecycle step (exactly one of the two, once).
  void InitProperties();
  void ReadProperties(const gloss::PropertyBag& bag);
  bool PropertiesLoaded() const { return m_Loaded; }

  // Not owned; may be null. Handlers may delete this site.
  void SetEventListener(gloss::GlossButtonEvents* listener);

  // A left press (or Enter) is down on the button.
  bool Pressed() const { return m_LeftPressed || m_EnterDown; }
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
  platform::HWND WindowHandle() const override { return m_hWnd; }
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
  // Space, Return or Enter pressed and released while the site has the focus (see KeyActivation).
  // The control raises no Click for it; a handler may delete the site.
  void keyActivated();

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
  // Shared with the default procedure, which outlives nothing but may be called while the
  // site is being torn down; site is cleared first thing in the destructor.
  struct Link {
    ControlSite* site = nullptr;
  };

  static platform::LRESULT DefaultProcedure(const std::shared_ptr<Link>& link, platform::HWND hWnd, platform::UINT uMsg,
                                            platform::WPARAM wParam, platform::LPARAM lParam);
  // Runs one message in the default procedure; false when the site went away during it.
  bool HandleMessage(platform::UINT uMsg, platform::WPARAM wParam, platform::LPARAM lParam);

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

  std::shared_ptr<Link> m_Link;
  QtTextEngine m_Text;
  std::unique_ptr<gloss::GlossButton> m_Button;
  platform::HWND m_hWnd = 0;

  bool m_UserMode = true;
  bool m_Loaded = false;
  bool m_Terminated = false;
  bool m_SentResize = false;
  QSize m_LastSize;

  // Mouse bookkeeping for the toolkit's click rules.
  bool m_LeftPressed = false;       // a left press arrived here and has not been released
  bool m_AfterDoubleClick = false;  // the next left release ends a double click: no Click
  bool m_EnterDown = false;         // Enter is held on the button
  KeyActivation m_KeyActivation;

  std::shared_ptr<const gloss::Image> m_Image;
  double m_ImageRatio = 1.0;  // the device pixel ratio m_Image was drawn at
  // Above ratio 1 the mask (whole widget pixels) holds device pixels outside the shape; these are
  // painted transparent, from the face cut to the region in device pixels.
  QRegion m_DeviceRegion;
  QPointF m_LastMouseAt{-1, -1};  // where the last mouse event sent to the control was
  bool m_HasRegion = false;
  QImage m_CutFace;
  const gloss::Image* m_CutFrom = nullptr;
  std::int32_t m_MousePointer = 0;
  std::int32_t m_ForeColor = 0;
};

}  // namespace host
