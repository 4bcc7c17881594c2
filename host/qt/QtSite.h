#pragma once
// QtSite: what hosts one GlossButton on a Qt surface (a widget or a Qt Quick item) and serves it
// as its ControlHost. Both hosts are thin: each owns a site and a QtSurface, and hands the site
// its Qt events and property calls.
//
// The site owns a ControlWindow: the control and its platform window, whose default procedure
// turns window messages into the control's notifications. Qt events are encoded once as window
// messages and sent through the window's current procedure, so a hook installed by the control
// sees every message. The published image is the surface's face and the window's region its shape.
//
// Lifecycle: Open() gives Initialize; then the owner calls InitProperties() (a new
// instance) or ReadProperties(bag) (a stored one). Resize follows once the surface has a size,
// Show when it is shown, Terminate when the host closes the site.
//
// Any event handler may delete the host (or its parent), and so the site, while the control is
// inside the handler that raised the event; the site never touches the control, its window or
// the surface after that.
#include <cstdint>
#include <memory>
#include <string>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QSize>
#include <QString>

#include "glossbutton/ControlHost.h"
#include "glossbutton/ControlWindow.h"
#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "glossbutton/render/Image.h"
#include "host/qt/KeyActivation.h"
#include "host/qt/QtSurface.h"
#include "host/qt/QtTextEngine.h"
#include "platform/Window.h"

class QKeyEvent;
class QMouseEvent;
class QSinglePointEvent;

namespace host {

class QtSite : public gloss::ControlHost, private gloss::ControlWindowHost {
 public:
  // The surface outlives the site and gives it every event below. Open() makes the control
  // (Initialize), once the surface can answer: nothing else may be called before it.
  explicit QtSite(QtSurface& surface);
  void Open();
  // Gives Terminate and destroys the control: the host calls it from its destructor, while the
  // surface still answers. Nothing but the destructor may be called after it.
  void Close();
  ~QtSite() override;
  QtSite(const QtSite&) = delete;
  QtSite& operator=(const QtSite&) = delete;

  gloss::GlossButton& Button() { return m_Window->Button(); }
  const gloss::GlossButton& Button() const { return m_Window->Button(); }
  platform::HWND Hwnd() const { return m_Window->Hwnd(); }
  // Expires with the site: a caller that handed it an event checks it before going on.
  std::weak_ptr<const void> Alive() const { return m_Window->Alive(); }

  // Ambient UserMode: true in a running program. Set it before the properties are read.
  void SetUserMode(bool userMode) { m_UserMode = userMode; }

  // The second lifecycle step (exactly one of the two, once).
  void InitProperties();
  void ReadProperties(const gloss::PropertyBag& bag);
  bool PropertiesLoaded() const { return m_Window->Loaded(); }

  // Not owned; may be null. Handlers may delete the host.
  void SetEventListener(gloss::GlossButtonEvents* listener);

  // A left press (or Enter) is down on the button.
  bool Pressed() const { return m_Window->Pressed(); }
  // A left press and release at a pixel of the shape, sent as the mouse's would be: the same
  // events and looks as a click. For assistive technology's press action.
  void PressAndRelease();

  // What the surface currently shows.
  std::shared_ptr<const gloss::Image> PublishedImage() const { return m_Image; }
  double ImageRatio() const { return m_ImageRatio; }
  // The face as Qt draws it, over the published image's pixels (valid until the next publish);
  // with cutToShape, the device pixels outside the shape are transparent. Null before a face.
  QImage Face(bool cutToShape);
  // Is the device pixel under the logical position p inside the shape?
  bool InsideShape(const QPointF& p) const;
  std::int32_t MousePointer() const { return m_MousePointer; }
  std::int32_t ControlForeColor() const { return m_ForeColor; }

  // ---- The properties in Qt's types. A setter reports the control's errors with a warning
  // naming the property and leaves the old value; who names the host in warnings.
  QString Caption() const;
  void SetCaption(const QString& caption);
  void SetStyle(int style);
  void SetColorScheme(int scheme);
  void SetChecked(bool checked);
  void SetDisplayHand(bool on);
  void SetPictureAlignment(int alignment);
  void SetBorderBrightness(int brightness);
  // The colours by their control names ("ColorButtonUp"...); an invalid colour is refused.
  enum class Color { ButtonUp, ButtonHover, ButtonDown, Bright, Fore };
  QColor GetColor(Color which) const;
  void SetColor(Color which, const QColor& c);
  QFont CaptionFont() const;
  void SetCaptionFont(const QFont& font);
  QImage Picture() const;
  void SetPicture(const QImage& image);
  // The warning prefix: the host's class name.
  const char* Who() const;

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

  // ---- The surface's events. The key handlers return false for a key the button leaves to
  // the surface's parent (the host then passes it on). Mouse moves come with or without buttons
  // (a widget's mouse move, an item's hover move).
  void Resized();
  void Shown();
  // The surface may be on a screen of another density: the face is drawn again at the new one.
  void RatioMayHaveChanged();
  void MouseMove(QSinglePointEvent* event);
  void MousePress(QMouseEvent* event);
  void MouseRelease(QMouseEvent* event);
  void MouseDoubleClick(QMouseEvent* event);
  bool KeyPress(QKeyEvent* event);
  bool KeyRelease(QKeyEvent* event);
  void FocusIn();
  void FocusOut();
  void PointerEntered();
  void PointerLeft();

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
  void SendMouse(platform::UINT msg, QSinglePointEvent* event);
  // Runs a lifecycle notification with the same guard and error report.
  template <class F>
  bool Notify(const char* what, F&& f);
  void ReportError(const char* what, const char* message);
  // Every property change from Qt goes through here (QtSiteProperties.cpp).
  template <class Change, class Undo>
  void Guarded(const char* property, Change&& change, Undo&& undo);

  void ApplyRegion();
  void SendResize();

  QtSurface& m_Surface;
  QtTextEngine m_Text;
  // Destroyed first (in the destructor): the control uses m_Text.
  std::unique_ptr<gloss::ControlWindow> m_Window;

  bool m_UserMode = true;
  bool m_SentResize = false;
  // Space, Return or Enter pressed and released on the surface: its activated() signal.
  KeyActivation m_KeyActivation;
  QSize m_LastSize;

  std::shared_ptr<const gloss::Image> m_Image;
  double m_ImageRatio = 1.0;  // the device pixel ratio m_Image was drawn at
  // The region in device pixels; above ratio 1 the surface's mask (whole logical pixels) holds
  // device pixels outside it, which Face(true) makes transparent.
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

// The control's events as the host's signals, for any host class Q with the widget's signals.
// The host is not touched after an emit: the slot may delete it.
Qt::MouseButtons ToButtons(std::int16_t button);
Qt::KeyboardModifiers ToModifiers(std::int16_t shift);

template <class Q>
class SignalRelay final : public gloss::GlossButtonEvents {
 public:
  explicit SignalRelay(Q& q) : q(q) {}

 private:
  void OnStatus(const std::string& s) override { emit q.status(QString::fromStdString(s)); }
  void OnClick() override { emit q.clicked(); }
  void OnDblClick() override { emit q.doubleClicked(); }
  void OnMouseEnter() override { emit q.mouseEnter(); }
  void OnMouseLeave() override { emit q.mouseLeave(); }
  void OnMouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
    emit q.mouseMove(ToButtons(b), ToModifiers(s), QPointF(x, y));
  }
  void OnMouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
    emit q.mouseUp(ToButtons(b), ToModifiers(s), QPointF(x, y));
  }
  void OnMouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
    emit q.mouseDown(ToButtons(b), ToModifiers(s), QPointF(x, y));
  }
  Q& q;
};

}  // namespace host
