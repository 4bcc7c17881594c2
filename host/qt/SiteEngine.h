#pragma once
// SiteEngine: what hosts one GlossButton on a QWidget and serves it as its ControlHost.
//
// The engine owns a ControlWindow: the control and its platform window, whose default
// procedure turns window messages into the control's notifications. The widget hands its Qt
// events to the engine, which encodes them once as window messages and sends them through the
// window's current procedure, so a hook installed by the control sees every message. The
// published image is the widget's face and the window's region is its mask.
//
// Lifecycle: the constructor gives Initialize; then the owner calls InitProperties() (a new
// instance) or ReadProperties(bag) (a stored one). Resize follows once the widget has a size,
// Show when it is shown, Terminate when the engine is destroyed.
//
// Any event handler may delete the widget (or its parent), and so the engine, while the
// control is inside the handler that raised the event; the engine never touches the control,
// its window or the widget after that.
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
#include "host/qt/KeyActivation.h"
#include "host/qt/QtTextEngine.h"
#include "platform/Window.h"

class GlossButtonWidget;
class QEnterEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace host {

class SiteEngine final : public gloss::ControlHost, private gloss::ControlWindowHost {
 public:
  // The widget outlives the engine and gives it every event below.
  explicit SiteEngine(::GlossButtonWidget& widget);
  ~SiteEngine() override;
  SiteEngine(const SiteEngine&) = delete;
  SiteEngine& operator=(const SiteEngine&) = delete;

  ::GlossButtonWidget& Widget() const { return m_Widget; }
  gloss::GlossButton& Button() { return m_Window->Button(); }
  const gloss::GlossButton& Button() const { return m_Window->Button(); }
  platform::HWND Hwnd() const { return m_Window->Hwnd(); }
  // Expires with the engine: a caller that handed it an event checks it before going on.
  std::weak_ptr<const void> Alive() const { return m_Window->Alive(); }

  // Ambient UserMode: true in a running program. Set it before the properties are read.
  void SetUserMode(bool userMode) { m_UserMode = userMode; }

  // The second lifecycle step (exactly one of the two, once).
  void InitProperties();
  void ReadProperties(const gloss::PropertyBag& bag);
  bool PropertiesLoaded() const { return m_Window->Loaded(); }

  // Not owned; may be null. Handlers may delete the widget.
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
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  double DevicePixelRatio() const override;
  platform::HWND WindowHandle() const override { return m_Window ? m_Window->Hwnd() : 0; }
  void SetMousePointer(std::int32_t kind) override;
  void SetForeColor(std::int32_t oleColor) override;
  void PublishImage(std::shared_ptr<const gloss::Image> image) override;
  gloss::TextEngine& Text() override { return m_Text; }

  // A Qt font as the control's font value (points at 96 dpi, Windows weights).
  static gloss::Font ToControlFont(const QFont& font);

  // ---- The widget's events. The key handlers return false for a key the button leaves to
  // the widget's parent (the widget then passes it on as QWidget does).
  void PaintEvent(QPaintEvent* event);
  void ResizeEvent();
  void ShowEvent();
  void MouseMoveEvent(QMouseEvent* event);
  void MousePressEvent(QMouseEvent* event);
  void MouseReleaseEvent(QMouseEvent* event);
  void MouseDoubleClickEvent(QMouseEvent* event);
  bool KeyPressEvent(QKeyEvent* event);
  bool KeyReleaseEvent(QKeyEvent* event);
  void FocusInEvent();
  void FocusOutEvent();
  void EnterEvent();
  void LeaveEvent();

 private:
  // ---- ControlWindowHost
  bool IsVisiblePixel(std::int32_t x, std::int32_t y) const override;
  void PressedChanged() override;

  // Sends one message through the window's current procedure, then drains posted messages.
  // Returns false when the engine was destroyed meanwhile: the caller must return at once.
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

  ::GlossButtonWidget& m_Widget;
  QtTextEngine m_Text;
  // Destroyed first (in the destructor): the control uses m_Text.
  std::unique_ptr<gloss::ControlWindow> m_Window;

  bool m_UserMode = true;
  bool m_SentResize = false;
  // Space, Return or Enter pressed and released on the widget: its activated() signal.
  KeyActivation m_KeyActivation;
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
