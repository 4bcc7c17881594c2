// The site's lifecycle, what it serves the control as its host, and how messages reach the
// control's window. Input from Qt is in QtSiteInput.cpp, the shape and face in QtSiteFace.cpp,
// the properties in Qt's types in QtSiteProperties.cpp.
#include "host/qt/QtSite.h"

#include <exception>

#include <QObject>
#include <QTimer>
#include <QtGlobal>

#include "platform/EventLog.h"
#include "platform/MouseLeave.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

QtSite::QtSite(QtSurface& surface) : m_Surface(surface) {}

void QtSite::Open() {
  gloss::ControlWindowHost& windowHost = *this;
  m_Window = std::make_unique<gloss::ControlWindow>(*this, windowHost, [](WNDPROC proc) { return CreateWindow(proc); });
  SetWindowRgnChangedHandler(m_Window->Hwnd(), [this, alive = m_Window->Alive()](HWND, BOOL) {
    if (!alive.expired()) ApplyRegion();
  });
}

QtSite::~QtSite() { Close(); }

void QtSite::Close() {
  if (!m_Window) return;
  // The control releases its hooks while its window still exists; then the control window
  // destroys both, before the text engine the control draws with goes.
  try {
    m_Window->Terminate();
  } catch (const std::exception& e) {
    ReportError("Terminate", e.what());
  }
  m_Window.reset();
}

void QtSite::InitProperties() {
  m_Window->InitProperties();
  if (m_Surface.SurfaceSized()) SendResize();
}

void QtSite::ReadProperties(const gloss::PropertyBag& bag) {
  m_Window->ReadProperties(bag);
  if (m_Surface.SurfaceSized()) SendResize();
}

void QtSite::SetEventListener(gloss::GlossButtonEvents* listener) { Button().SetEventListener(listener); }

// ---- ControlHost

void QtSite::PropertyChanged(const std::string& name) {
  m_Surface.ControlPropertyChanged(QString::fromStdString(name));
}

gloss::Font QtSite::AmbientFont() const { return ToControlFont(m_Surface.SurfaceFont()); }

gloss::Font QtSite::ToControlFont(const QFont& f) {
  gloss::Font r;
  r.name = f.family().toStdString();
  // Fonts given in pixels are reported in points at the 96 dpi the control draws at.
  r.size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0;
  r.weight = static_cast<std::int16_t>(f.weight());
  r.italic = f.italic();
  r.underline = f.underline();
  r.strikethrough = f.strikeOut();
  return r;
}

std::string QtSite::InstanceName() const { return m_Surface.Object().objectName().toStdString(); }

std::int32_t QtSite::ParentBackColor() const {
  const QColor c = m_Surface.SurfaceBackColor();
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

void QtSite::SetMousePointer(std::int32_t kind) {
  m_MousePointer = kind;
  if (kind == gloss::kPointerCustom)
    m_Surface.SetPointerShape(Qt::PointingHandCursor);  // a custom pointer without an image of its own
  else if (kind == gloss::kPointerArrow)
    m_Surface.SetPointerShape(Qt::ArrowCursor);
  else
    m_Surface.SetPointerShape(Qt::BitmapCursor);
}

void QtSite::SetForeColor(std::int32_t oleColor) { m_ForeColor = oleColor; }

void QtSite::PublishImage(std::shared_ptr<const gloss::Image> image) {
  m_Image = std::move(image);
  m_CutFrom = nullptr;  // the surface reuses buffers: a new image may sit where an old one was
  m_ImageRatio = m_Surface.SurfaceRatio();
  m_Surface.Repaint();
}

bool QtSite::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // Posted messages go before new input, as the platform's queue orders them: a leave still
  // waiting from the previous widget is delivered before this input can enter us.
  if (!DispatchPosted()) return false;
  const std::weak_ptr<const void> alive = m_Window->Alive();
  try {
    SendMessage(m_Window->Hwnd(), uMsg, wParam, lParam);
  } catch (const std::exception& e) {
    if (alive.expired()) return false;
    ReportError("SendMessage", e.what());
  }
  if (alive.expired()) return false;
  return DispatchPosted();
}

bool QtSite::DispatchPosted() {
  // Posted messages may be for any window, and their handlers may delete this site too.
  const std::weak_ptr<const void> alive = m_Window->Alive();
  try {
    DispatchPostedMessages();
  } catch (const std::exception& e) {
    if (alive.expired()) return false;
    ReportError("DispatchPostedMessages", e.what());
  }
  return !alive.expired();
}

template <class F>
bool QtSite::Notify(const char* what, F&& f) {
  const std::weak_ptr<const void> alive = m_Window->Alive();
  try {
    f();
  } catch (const std::exception& e) {
    if (alive.expired()) return false;
    ReportError(what, e.what());
  }
  if (alive.expired()) return false;
  return DispatchPosted();
}

void QtSite::ReportError(const char* what, const char* message) {
  // Errors of the control's handlers end the handler; the toolkit reports them and goes on.
  const std::string text = std::string("ControlSite.") + what + ": " + message;
  LogEvent(text, EVENTLOG_ERROR);
  qWarning("%s", text.c_str());
}

void QtSite::SendResize() {
  m_SentResize = true;
  m_LastSize = m_Surface.SurfaceSize();
  Notify("Resize", [this] { Button().Resize(); });
}

float QtSite::ScaleWidth() const { return static_cast<float>(m_Surface.SurfaceSize().width()); }
float QtSite::ScaleHeight() const { return static_cast<float>(m_Surface.SurfaceSize().height()); }
double QtSite::DevicePixelRatio() const { return m_Surface.SurfaceRatio(); }

// ---- Lifecycle from Qt

void QtSite::Resized() {
  if (PropertiesLoaded() && m_Surface.SurfaceSize() != m_LastSize) SendResize();
}

void QtSite::RatioMayHaveChanged() {
  if (!PropertiesLoaded() || !m_SentResize || m_Surface.SurfaceRatio() == m_ImageRatio) return;
  // Redraw at the new screen's resolution once the current event is done.
  m_ImageRatio = m_Surface.SurfaceRatio();
  QTimer::singleShot(0, &m_Surface.Object(), [this] {
    if (PropertiesLoaded()) SendResize();
  });
}

void QtSite::Shown() {
  if (!PropertiesLoaded()) return;
  if (!m_SentResize || m_Surface.SurfaceSize() != m_LastSize) {
    const std::weak_ptr<const void> alive = m_Window->Alive();
    SendResize();
    if (alive.expired()) return;
  }
  Notify("Show", [this] { Button().Show(); });
}

Qt::MouseButtons ToButtons(std::int16_t button) {
  // The control's 1 left, 2 right, 4 middle are Qt's bits.
  return Qt::MouseButtons::fromInt(button & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

Qt::KeyboardModifiers ToModifiers(std::int16_t shift) {
  Qt::KeyboardModifiers m;
  if (shift & 1) m |= Qt::ShiftModifier;
  if (shift & 2) m |= Qt::ControlModifier;
  if (shift & 4) m |= Qt::AltModifier;
  return m;
}

}  // namespace host
