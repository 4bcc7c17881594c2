// Qt input encoded as window messages and sent through the control's window, whose default
// procedure (ControlWindow) turns them into the control's notifications.
#include <QKeyEvent>
#include <QMouseEvent>

#include "host/qt/InputMessages.h"
#include "host/qt/QtSite.h"
#include "platform/KeyState.h"
#include "platform/MouseLeave.h"

namespace host {

using namespace platform;

namespace {

QPoint PixelOf(const QSinglePointEvent* e) { return host::PixelOf(e->position()); }

// WM_KEYDOWN/UP lParam: repeat count 1, bit 30 for a key that was already down, bit 31 on release.
LPARAM KeyLParam(bool repeat, bool release) {
  std::uint32_t v = 1;
  if (repeat || release) v |= 1u << 30;
  if (release) v |= 1u << 31;
  return static_cast<LPARAM>(static_cast<std::int32_t>(v));
}

}  // namespace

// ---- What the control window asks of the site

bool QtSite::IsVisiblePixel(std::int32_t x, std::int32_t y) const {
  // The shape is tested where the pointer really was when the pixel is the last mouse event's,
  // otherwise at the middle of the pixel.
  const QPoint pixel{x, y};
  return InsideShape(PixelOf(m_LastMouseAt) == pixel ? m_LastMouseAt : QPointF(pixel) + QPointF(0.5, 0.5));
}

void QtSite::PressedChanged() { m_Surface.PressedLookChanged(); }

// ---- Input

void QtSite::MouseMove(QSinglePointEvent* event) {
  // The pointer may already be over us when the widget appears, before any enter event.
  if (event->buttons() == Qt::NoButton && !IsPointerInside(Hwnd()) && InsideShape(event->position()))
    SetPointerInside(Hwnd(), true);
  SendMouse(WM_MOUSEMOVE, event);
}

void QtSite::MousePress(QMouseEvent* event) {
  if (FallsThrough(event)) return;
  // The second press of a double click is reported as the double click that follows it.
  if (event->flags() & Qt::MouseEventCreatedDoubleClick) return;
  SendMouse(ButtonDownMessage(event->button()), event);
}

void QtSite::MouseDoubleClick(QMouseEvent* event) {
  if (FallsThrough(event)) return;
  SendMouse(ButtonDblClkMessage(event->button()), event);
}

void QtSite::MouseRelease(QMouseEvent* event) { SendMouse(ButtonUpMessage(event->button()), event); }

bool QtSite::FallsThrough(QMouseEvent* event) {
  // Outside the visible shape a first press belongs to what is behind (a direct event may
  // bypass the mask).
  const bool firstButton = (event->buttons() & ~event->button()) == Qt::NoButton;
  if (!firstButton || InsideShape(event->position())) return false;
  event->ignore();
  return true;
}

void QtSite::SendMouse(UINT msg, QSinglePointEvent* event) {
  if (msg == WM_NULL) return;
  const QPoint p = PixelOf(event);
  m_LastMouseAt = event->position();
  ReportModifiers(event->modifiers());
  Send(msg, MouseKeyState(event->buttons(), event->modifiers()), PackPointerPos(p.x(), p.y()));
}

bool QtSite::KeyPress(QKeyEvent* event) {
  // Activation is the widget's, beside what the control makes of the key: a running program only.
  const bool activation = m_UserMode && m_KeyActivation.Press(*event);
  const WPARAM vk = VirtualKey(event->key());
  if (vk == 0) return activation;
  ReportModifiers(event->modifiers());
  if (!Send(WM_KEYDOWN, vk, KeyLParam(event->isAutoRepeat(), false))) return true;  // stays accepted
  // Only Enter means something to the button, and the activation keys to the widget; other keys
  // go on to the parent (dialogs...).
  if (vk != VK_RETURN && !activation) event->ignore();
  return true;
}

bool QtSite::KeyRelease(QKeyEvent* event) {
  const bool activates = m_KeyActivation.Release(*event);
  const WPARAM vk = VirtualKey(event->key());
  // Auto-repeat shows up as release/press pairs; the platform repeats key-downs only.
  if (vk == 0 || event->isAutoRepeat()) return false;
  ReportModifiers(event->modifiers());
  if (!Send(WM_KEYUP, vk, KeyLParam(false, true))) return true;
  if (activates) {
    m_Surface.Activated();  // last: the handler may delete the host
    return true;
  }
  if (vk != VK_RETURN) event->ignore();
  return true;
}

void QtSite::FocusIn() { Send(WM_SETFOCUS, 0, 0); }

void QtSite::FocusOut() {
  m_KeyActivation.Cancel();  // a key that comes up elsewhere activates nothing
  Send(WM_KILLFOCUS, 0, 0);
}

void QtSite::PointerEntered() { SetPointerInside(Hwnd(), true); }

void QtSite::PointerLeft() {
  // An armed leave request turns into a posted WM_MOUSELEAVE here. It is delivered from the
  // event loop, as a posted message is: Qt's enter/leave dispatch cannot survive a handler that
  // deletes the host from inside its leave event.
  SetPointerInside(Hwnd(), false);
  QMetaObject::invokeMethod(
      &m_Surface.Object(), [this] { DispatchPosted(); }, Qt::QueuedConnection);
}

// ---- Assistive technology

void QtSite::PressAndRelease() {
  // The centre, or else the first pixel of the shape; a button with no visible pixel gets the
  // press and release but, as with the mouse, no click.
  const QSize size = m_Surface.SurfaceSize();
  QPoint at = QRect(QPoint(), size).center();
  for (int y = 0; y < size.height() && !InsideShape(at); ++y)
    for (int x = 0; x < size.width(); ++x)
      if (InsideShape(QPoint(x, y))) {
        at = {x, y};
        break;
      }
  ReportModifiers(Qt::NoModifier);
  const LPARAM where = PackPointerPos(at.x(), at.y());
  if (!Send(WM_LBUTTONDOWN, MK_LBUTTON, where)) return;
  Send(WM_LBUTTONUP, 0, where);
}

}  // namespace host
