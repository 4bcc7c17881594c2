// The site's lifecycle, what it serves the control as its host, and how messages reach the
// control's window. Input from Qt is in ControlSiteInput.cpp, the shape and face in ControlSiteFace.cpp.
#include "host/qt/ControlSite.h"

#include <exception>

#include <QTimer>
#include <QtGlobal>

#include "host/qt/ControlAccessible.h"
#include "platform/EventLog.h"
#include "platform/MouseLeave.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

ControlSite::ControlSite(QWidget* parent) : QWidget(parent), m_Link(std::make_shared<Link>()) {
  m_Link->site = this;
  InstallControlAccessibleFactory();
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);

  std::shared_ptr<Link> link = m_Link;
  m_hWnd = CreateWindow(MakeWindowProc([link](HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefaultProcedure(link, hWnd, uMsg, wParam, lParam);
  }));
  SetWindowRgnChangedHandler(m_hWnd, [link](HWND, BOOL) {
    if (link->site) link->site->ApplyRegion();
  });

  m_Button = std::make_unique<gloss::GlossButton>(*this);
  m_Button->Initialize();
}

ControlSite::~ControlSite() {
  // The control releases its hooks while its window still exists; after that no message may
  // reach it, so the default procedure is cut off before the control goes.
  try {
    m_Button->Terminate();
  } catch (const std::exception& e) {
    ReportError("Terminate", e.what());
  }
  m_Link->site = nullptr;
  m_Button.reset();
  DestroyWindow(m_hWnd);
}

void ControlSite::InitProperties() {
  m_Button->InitProperties();
  m_Loaded = true;
  if (testAttribute(Qt::WA_Resized) || isVisible()) SendResize();
}

void ControlSite::ReadProperties(const gloss::PropertyBag& bag) {
  m_Button->ReadProperties(bag);
  m_Loaded = true;
  if (testAttribute(Qt::WA_Resized) || isVisible()) SendResize();
}

void ControlSite::SetEventListener(gloss::GlossButtonEvents* listener) { m_Button->SetEventListener(listener); }

// ---- ControlHost

void ControlSite::PropertyChanged(const std::string& name) {
  NotifyAccessibleChange(this, name == "Caption", name == "Checked", false);
  emit controlPropertyChanged(QString::fromStdString(name));
}

gloss::Font ControlSite::AmbientFont() const { return ToControlFont(parentWidget() ? parentWidget()->font() : font()); }

gloss::Font ControlSite::ToControlFont(const QFont& f) {
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

std::string ControlSite::InstanceName() const { return objectName().toStdString(); }

std::int32_t ControlSite::ParentBackColor() const {
  const QColor c = (parentWidget() ? parentWidget()->palette() : palette()).color(QPalette::Window);
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

void ControlSite::SetMousePointer(std::int32_t kind) {
  m_MousePointer = kind;
  if (kind == gloss::kPointerCustom)
    setCursor(Qt::PointingHandCursor);  // a custom pointer without an image of its own
  else if (kind == gloss::kPointerArrow)
    setCursor(Qt::ArrowCursor);
  else
    unsetCursor();
}

void ControlSite::SetForeColor(std::int32_t oleColor) { m_ForeColor = oleColor; }

void ControlSite::PublishImage(std::shared_ptr<const gloss::Image> image) {
  m_Image = std::move(image);
  m_CutFrom = nullptr;  // the surface reuses buffers: a new image may sit where an old one was
  m_ImageRatio = devicePixelRatioF();
  update();
}

bool ControlSite::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // Posted messages go before new input, as the platform's queue orders them: a leave still
  // waiting from the previous widget is delivered before this input can enter us.
  if (!DispatchPosted()) return false;
  const QPointer<ControlSite> guard(this);
  try {
    SendMessage(m_hWnd, uMsg, wParam, lParam);
  } catch (const std::exception& e) {
    if (!guard) return false;
    ReportError("SendMessage", e.what());
  }
  if (!guard) return false;
  return DispatchPosted();
}

bool ControlSite::DispatchPosted() {
  // Posted messages may be for any window, and their handlers may delete this site too.
  const QPointer<ControlSite> guard(this);
  try {
    DispatchPostedMessages();
  } catch (const std::exception& e) {
    ReportError("DispatchPostedMessages", e.what());
  }
  return !guard.isNull();
}

template <class F>
bool ControlSite::Notify(const char* what, F&& f) {
  const QPointer<ControlSite> guard(this);
  try {
    f();
  } catch (const std::exception& e) {
    ReportError(what, e.what());
  }
  if (!guard) return false;
  return DispatchPosted();
}

void ControlSite::ReportError(const char* what, const char* message) {
  // Errors of the control's handlers end the handler; the toolkit reports them and goes on.
  const std::string text = std::string("ControlSite.") + what + ": " + message;
  LogEvent(text, EVENTLOG_ERROR);
  qWarning("%s", text.c_str());
}

void ControlSite::SendResize() {
  m_SentResize = true;
  m_LastSize = size();
  Notify("Resize", [this] { m_Button->Resize(); });
}

// ---- Lifecycle from Qt

void ControlSite::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_Loaded && size() != m_LastSize) SendResize();
}

void ControlSite::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!m_Loaded) return;
  if (!m_SentResize || size() != m_LastSize) {
    const QPointer<ControlSite> guard(this);
    SendResize();
    if (!guard) return;
  }
  Notify("Show", [this] { m_Button->Show(); });
}

}  // namespace host
