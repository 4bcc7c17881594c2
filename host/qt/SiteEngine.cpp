// The site's lifecycle, what it serves the control as its host, and how messages reach the
// control's window. Input from Qt is in SiteEngineInput.cpp, the shape and face in SiteEngineFace.cpp.
#include "host/qt/SiteEngine.h"

#include <GlossButton/GlossButtonWidget.h>

#include <exception>

#include <QTimer>
#include <QtGlobal>

#include "host/qt/ControlAccessible.h"
#include "platform/EventLog.h"
#include "platform/MouseLeave.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

SiteEngine::SiteEngine(::GlossButtonWidget& widget) : m_Widget(widget) {
  InstallControlAccessibleFactory();
  m_Widget.setMouseTracking(true);
  m_Widget.setFocusPolicy(Qt::StrongFocus);

  gloss::ControlWindowHost& windowHost = *this;
  m_Window = std::make_unique<gloss::ControlWindow>(*this, windowHost, [](WNDPROC proc) { return CreateWindow(proc); });
  SetWindowRgnChangedHandler(m_Window->Hwnd(), [this, alive = m_Window->Alive()](HWND, BOOL) {
    if (!alive.expired()) ApplyRegion();
  });
}

SiteEngine::~SiteEngine() {
  // The control releases its hooks while its window still exists; then the control window
  // destroys both, before the text engine the control draws with goes.
  try {
    m_Window->Terminate();
  } catch (const std::exception& e) {
    ReportError("Terminate", e.what());
  }
  m_Window.reset();
}

void SiteEngine::InitProperties() {
  m_Window->InitProperties();
  if (m_Widget.testAttribute(Qt::WA_Resized) || m_Widget.isVisible()) SendResize();
}

void SiteEngine::ReadProperties(const gloss::PropertyBag& bag) {
  m_Window->ReadProperties(bag);
  if (m_Widget.testAttribute(Qt::WA_Resized) || m_Widget.isVisible()) SendResize();
}

void SiteEngine::SetEventListener(gloss::GlossButtonEvents* listener) { Button().SetEventListener(listener); }

// ---- ControlHost

void SiteEngine::PropertyChanged(const std::string& name) {
  NotifyAccessibleChange(&m_Widget, name == "Caption", name == "Checked", false);
  emit m_Widget.controlPropertyChanged(QString::fromStdString(name));
}

gloss::Font SiteEngine::AmbientFont() const {
  return ToControlFont(m_Widget.parentWidget() ? m_Widget.parentWidget()->font() : m_Widget.font());
}

gloss::Font SiteEngine::ToControlFont(const QFont& f) {
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

std::string SiteEngine::InstanceName() const { return m_Widget.objectName().toStdString(); }

std::int32_t SiteEngine::ParentBackColor() const {
  const QColor c = (m_Widget.parentWidget() ? m_Widget.parentWidget()->palette() : m_Widget.palette()).color(QPalette::Window);
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

void SiteEngine::SetMousePointer(std::int32_t kind) {
  m_MousePointer = kind;
  if (kind == gloss::kPointerCustom)
    m_Widget.setCursor(Qt::PointingHandCursor);  // a custom pointer without an image of its own
  else if (kind == gloss::kPointerArrow)
    m_Widget.setCursor(Qt::ArrowCursor);
  else
    m_Widget.unsetCursor();
}

void SiteEngine::SetForeColor(std::int32_t oleColor) { m_ForeColor = oleColor; }

void SiteEngine::PublishImage(std::shared_ptr<const gloss::Image> image) {
  m_Image = std::move(image);
  m_CutFrom = nullptr;  // the surface reuses buffers: a new image may sit where an old one was
  m_ImageRatio = m_Widget.devicePixelRatioF();
  m_Widget.update();
}

bool SiteEngine::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) {
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

bool SiteEngine::DispatchPosted() {
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
bool SiteEngine::Notify(const char* what, F&& f) {
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

void SiteEngine::ReportError(const char* what, const char* message) {
  // Errors of the control's handlers end the handler; the toolkit reports them and goes on.
  const std::string text = std::string("ControlSite.") + what + ": " + message;
  LogEvent(text, EVENTLOG_ERROR);
  qWarning("%s", text.c_str());
}

void SiteEngine::SendResize() {
  m_SentResize = true;
  m_LastSize = m_Widget.size();
  Notify("Resize", [this] { Button().Resize(); });
}

float SiteEngine::ScaleWidth() const { return static_cast<float>(m_Widget.width()); }
float SiteEngine::ScaleHeight() const { return static_cast<float>(m_Widget.height()); }
double SiteEngine::DevicePixelRatio() const { return m_Widget.devicePixelRatioF(); }

// ---- Lifecycle from Qt

void SiteEngine::ResizeEvent() {
  if (PropertiesLoaded() && m_Widget.size() != m_LastSize) SendResize();
}

void SiteEngine::ShowEvent() {
  if (!PropertiesLoaded()) return;
  if (!m_SentResize || m_Widget.size() != m_LastSize) {
    const std::weak_ptr<const void> alive = m_Window->Alive();
    SendResize();
    if (alive.expired()) return;
  }
  Notify("Show", [this] { Button().Show(); });
}

}  // namespace host
