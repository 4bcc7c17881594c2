#include "host/ControlSite.h"

#include <cmath>
#include <exception>

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QtGlobal>

#include "host/ControlAccessible.h"
#include "host/InputMessages.h"
#include "platform/EventLog.h"
#include "platform/MouseLeave.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

namespace {

// Qt positions are fractional on scaled screens; the control works in whole pixels.
QPoint PixelOf(const QPointF& p) { return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))}; }
QPoint PixelOf(const QMouseEvent* e) { return PixelOf(e->position()); }

// WM_KEYDOWN/UP lParam: repeat count 1, bit 30 for a key that was already down, bit 31 on release.
LPARAM KeyLParam(bool repeat, bool release) {
  std::uint32_t v = 1;
  if (repeat || release) v |= 1u << 30;
  if (release) v |= 1u << 31;
  return static_cast<LPARAM>(static_cast<std::int32_t>(v));
}

}  // namespace

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

gloss::Font ControlSite::AmbientFont() const {
  return ToControlFont(parentWidget() ? parentWidget()->font() : font());
}

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

// ---- The window procedure

LRESULT ControlSite::DefaultProcedure(const std::shared_ptr<Link>& link, HWND hWnd, UINT uMsg, WPARAM wParam,
                                      LPARAM lParam) {
  ControlSite* site = link->site;
  if (!site || !site->m_Loaded) return DefWindowProc(hWnd, uMsg, wParam, lParam);
  site->HandleMessage(uMsg, wParam, lParam);
  return 0;
}

bool ControlSite::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // The control's handlers may delete this site; the link tells, and nothing of the site is
  // touched once it says so.
  const std::shared_ptr<Link> link = m_Link;
  gloss::GlossButton& b = *m_Button;
  const float x = static_cast<float>(GET_X_LPARAM(lParam));
  const float y = static_cast<float>(GET_Y_LPARAM(lParam));
  const std::int16_t shift = ShiftMaskFromKeyState(wParam, m_Modifiers & Qt::AltModifier);

  switch (uMsg) {
    case WM_MOUSEMOVE:
      b.MouseMove(ButtonMaskFromKeyState(wParam), shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      m_LeftPressed = true;
      m_AfterDoubleClick = false;
      NotifyAccessibleChange(this, false, false, true);
      b.MouseDown(1, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      b.MouseDown(ButtonOfMessage(uMsg), shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      m_LeftPressed = true;
      m_AfterDoubleClick = true;
      b.DblClick();
      break;
    case WM_LBUTTONUP: {
      // The toolkit's click: a left press and release on the button's visible pixels, except
      // the release that ends a double click. The message holds whole pixels of the control; the
      // shape is tested where the pointer really was when the message is the last mouse event's,
      // otherwise at the middle of the pixel.
      const QPoint pixel{static_cast<int>(x), static_cast<int>(y)};
      const QPointF at = PixelOf(m_LastMouseAt) == pixel ? m_LastMouseAt : QPointF(pixel) + QPointF(0.5, 0.5);
      const bool click = m_LeftPressed && !m_AfterDoubleClick && InsideShape(at);
      m_LeftPressed = false;
      m_AfterDoubleClick = false;
      NotifyAccessibleChange(this, false, false, true);
      b.MouseUp(1, shift, x, y);
      if (click && link->site) b.Click();
      break;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      b.MouseUp(ButtonOfMessage(uMsg), shift, x, y);
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && !m_EnterDown) {
        m_EnterDown = true;
        NotifyAccessibleChange(this, false, false, true);
      }
      b.KeyDown(static_cast<std::int16_t>(wParam), ShiftMask(m_Modifiers));
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN && m_EnterDown) {
        m_EnterDown = false;
        NotifyAccessibleChange(this, false, false, true);
      }
      b.KeyUp(static_cast<std::int16_t>(wParam), ShiftMask(m_Modifiers));
      break;
    case WM_SETFOCUS:
      b.EnterFocus();
      break;
    case WM_KILLFOCUS:
      b.ExitFocus();
      break;
    default:
      break;
  }
  return link->site != nullptr;
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

// ---- Shape and face

void ControlSite::ApplyRegion() {
  bool hasRegion = false;
  const std::vector<RECT> rects = GetWindowRgnRects(m_hWnd, &hasRegion);
  m_HasRegion = hasRegion;
  m_DeviceRegion = QRegion();
  m_CutFrom = nullptr;
  if (!hasRegion) {
    clearMask();
  } else {
    // The region is in device pixels; the mask holds every widget pixel with any part inside it,
    // and presses on the device pixels outside the region fall through (FallsThrough).
    const double ratio = devicePixelRatioF();
    QRegion mask;
    for (const RECT& r : rects) {
      m_DeviceRegion += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
      const int left = static_cast<int>(std::floor(r.left / ratio)), top = static_cast<int>(std::floor(r.top / ratio));
      const int right = static_cast<int>(std::ceil(r.right / ratio));
      const int bottom = static_cast<int>(std::ceil(r.bottom / ratio));
      mask += QRect(left, top, right - left, bottom - top);
    }
    // An empty QRegion would mean "no mask"; an empty shape must hide every pixel instead.
    if (mask.isEmpty()) mask = QRegion(-1, -1, 1, 1);
    setMask(mask);
  }
  update();
}

bool ControlSite::InsideShape(const QPointF& p) const {
  const double ratio = devicePixelRatioF();
  const int x = static_cast<int>(std::floor(p.x() * ratio)), y = static_cast<int>(std::floor(p.y() * ratio));
  return rect().contains(PixelOf(p)) && PtInWindowRgn(m_hWnd, x, y);
}

void ControlSite::SendResize() {
  m_SentResize = true;
  m_LastSize = size();
  Notify("Resize", [this] { m_Button->Resize(); });
}

void ControlSite::paintEvent(QPaintEvent*) {
  if (m_Loaded && m_SentResize && devicePixelRatioF() != m_ImageRatio) {
    // Moved to a screen of another density: redraw at its resolution once this paint is done.
    m_ImageRatio = devicePixelRatioF();
    QTimer::singleShot(0, this, [this] {
      if (m_Loaded) SendResize();
    });
  }
  if (!m_Image || m_Image->width <= 0 || m_Image->height <= 0) return;
  QImage face(reinterpret_cast<const uchar*>(m_Image->pixels.data()), m_Image->width, m_Image->height,
              m_Image->width * 4, QImage::Format_RGB32);
  QPainter painter(this);
  if (m_ImageRatio == 1.0 || !m_HasRegion) {
    face.setDevicePixelRatio(m_ImageRatio);
    painter.drawImage(0, 0, face);
    return;
  }
  if (m_CutFrom != m_Image.get() || m_CutFace.size() != face.size()) {
    m_CutFace = QImage(face.size(), QImage::Format_ARGB32_Premultiplied);
    m_CutFace.fill(Qt::transparent);
    QPainter cut(&m_CutFace);
    cut.setClipRegion(m_DeviceRegion);
    cut.drawImage(0, 0, face);
    cut.end();
    m_CutFace.setDevicePixelRatio(m_ImageRatio);
    m_CutFrom = m_Image.get();
  }
  painter.drawImage(0, 0, m_CutFace);
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

// ---- Input

void ControlSite::mouseMoveEvent(QMouseEvent* event) {
  // The pointer may already be over us when the widget appears, before any enter event.
  if (event->buttons() == Qt::NoButton && !IsPointerInside(m_hWnd) && InsideShape(event->position()))
    SetPointerInside(m_hWnd, true);
  SendMouse(WM_MOUSEMOVE, event);
}

void ControlSite::mousePressEvent(QMouseEvent* event) {
  if (FallsThrough(event)) return;
  // The second press of a double click is reported as the double click that follows it.
  if (event->flags() & Qt::MouseEventCreatedDoubleClick) return;
  SendMouse(ButtonDownMessage(event->button()), event);
}

void ControlSite::mouseDoubleClickEvent(QMouseEvent* event) {
  if (FallsThrough(event)) return;
  SendMouse(ButtonDblClkMessage(event->button()), event);
}

void ControlSite::mouseReleaseEvent(QMouseEvent* event) { SendMouse(ButtonUpMessage(event->button()), event); }

bool ControlSite::FallsThrough(QMouseEvent* event) {
  // Outside the visible shape a first press belongs to what is behind (a direct event may
  // bypass the mask).
  const bool firstButton = (event->buttons() & ~event->button()) == Qt::NoButton;
  if (!firstButton || InsideShape(event->position())) return false;
  event->ignore();
  return true;
}

void ControlSite::SendMouse(UINT msg, QMouseEvent* event) {
  if (msg == WM_NULL) return;
  const QPoint p = PixelOf(event);
  m_LastMouseAt = event->position();
  m_Modifiers = event->modifiers();
  Send(msg, MouseKeyState(event->buttons(), event->modifiers()), PackPoint(p.x(), p.y()));
}

void ControlSite::keyPressEvent(QKeyEvent* event) {
  const WPARAM vk = VirtualKey(event->key());
  if (vk == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  m_Modifiers = event->modifiers();
  if (!Send(WM_KEYDOWN, vk, KeyLParam(event->isAutoRepeat(), false))) return;  // stays accepted
  // Only Enter means something to the button; other keys go on to the parent (dialogs...).
  if (vk != VK_RETURN) event->ignore();
}

void ControlSite::keyReleaseEvent(QKeyEvent* event) {
  const WPARAM vk = VirtualKey(event->key());
  // Auto-repeat shows up as release/press pairs; the platform repeats key-downs only.
  if (vk == 0 || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  m_Modifiers = event->modifiers();
  if (!Send(WM_KEYUP, vk, KeyLParam(false, true))) return;
  if (vk != VK_RETURN) event->ignore();
}

void ControlSite::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Send(WM_SETFOCUS, 0, 0);
}

void ControlSite::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Send(WM_KILLFOCUS, 0, 0);
}

void ControlSite::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  SetPointerInside(m_hWnd, true);
}

void ControlSite::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  // An armed leave request turns into a posted WM_MOUSELEAVE here. It is delivered from the
  // event loop, as a posted message is: Qt's enter/leave dispatch cannot survive a handler that
  // deletes this widget from inside leaveEvent.
  SetPointerInside(m_hWnd, false);
  QMetaObject::invokeMethod(this, [this] { DispatchPosted(); }, Qt::QueuedConnection);
}

// ---- Assistive technology

void ControlSite::PressAndRelease() {
  // The centre, or else the first pixel of the shape; a button with no visible pixel gets the
  // press and release but, as with the mouse, no click.
  QPoint at = rect().center();
  for (int y = 0; y < height() && !InsideShape(at); ++y)
    for (int x = 0; x < width(); ++x)
      if (InsideShape({x, y})) {
        at = {x, y};
        break;
      }
  m_Modifiers = Qt::NoModifier;
  const LPARAM where = PackPoint(at.x(), at.y());
  if (!Send(WM_LBUTTONDOWN, MK_LBUTTON, where)) return;
  Send(WM_LBUTTONUP, 0, where);
}

}  // namespace host
