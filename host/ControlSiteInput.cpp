// Qt input encoded as window messages and sent through the control's window, and the default
// procedure that turns those messages into the control's notifications.
#include "host/ControlSite.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "host/ControlAccessible.h"
#include "host/InputMessages.h"
#include "platform/KeyState.h"
#include "platform/MouseLeave.h"

namespace host {

using namespace platform;

namespace {

QPoint PixelOf(const QMouseEvent* e) { return host::PixelOf(e->position()); }

// WM_KEYDOWN/UP lParam: repeat count 1, bit 30 for a key that was already down, bit 31 on release.
LPARAM KeyLParam(bool repeat, bool release) {
  std::uint32_t v = 1;
  if (repeat || release) v |= 1u << 30;
  if (release) v |= 1u << 31;
  return static_cast<LPARAM>(static_cast<std::int32_t>(v));
}

}  // namespace

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
  const PointerPos at = UnpackPointerPos(lParam);
  const float x = static_cast<float>(at.x);
  const float y = static_cast<float>(at.y);
  const std::int16_t shift = ShiftMaskFromKeyState(wParam);

  switch (uMsg) {
    case WM_MOUSEMOVE: b.MouseMove(ButtonMaskFromKeyState(wParam), shift, x, y); break;
    case WM_LBUTTONDOWN:
      m_LeftPressed = true;
      m_AfterDoubleClick = false;
      NotifyAccessibleChange(this, false, false, true);
      b.MouseDown(1, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: b.MouseDown(ButtonOfMessage(uMsg), shift, x, y); break;
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
    case WM_MBUTTONUP: b.MouseUp(ButtonOfMessage(uMsg), shift, x, y); break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && !m_EnterDown) {
        m_EnterDown = true;
        NotifyAccessibleChange(this, false, false, true);
      }
      b.KeyDown(static_cast<std::int16_t>(wParam), platform::ModifierMask());
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN && m_EnterDown) {
        m_EnterDown = false;
        NotifyAccessibleChange(this, false, false, true);
      }
      b.KeyUp(static_cast<std::int16_t>(wParam), platform::ModifierMask());
      break;
    case WM_SETFOCUS: b.EnterFocus(); break;
    case WM_KILLFOCUS: b.ExitFocus(); break;
    default: break;
  }
  return link->site != nullptr;
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
  ReportModifiers(event->modifiers());
  Send(msg, MouseKeyState(event->buttons(), event->modifiers()), PackPointerPos(p.x(), p.y()));
}

void ControlSite::keyPressEvent(QKeyEvent* event) {
  // Activation is the site's, beside what the control makes of the key: a running program only.
  const bool activation = m_UserMode && m_KeyActivation.Press(*event);
  const WPARAM vk = VirtualKey(event->key());
  if (vk == 0) {
    if (!activation) QWidget::keyPressEvent(event);
    return;
  }
  ReportModifiers(event->modifiers());
  if (!Send(WM_KEYDOWN, vk, KeyLParam(event->isAutoRepeat(), false))) return;  // stays accepted
  // Only Enter means something to the button, and the activation keys to the site; other keys
  // go on to the parent (dialogs...).
  if (vk != VK_RETURN && !activation) event->ignore();
}

void ControlSite::keyReleaseEvent(QKeyEvent* event) {
  const bool activates = m_KeyActivation.Release(*event);
  const WPARAM vk = VirtualKey(event->key());
  // Auto-repeat shows up as release/press pairs; the platform repeats key-downs only.
  if (vk == 0 || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  ReportModifiers(event->modifiers());
  if (!Send(WM_KEYUP, vk, KeyLParam(false, true))) return;
  if (activates) {
    emit keyActivated();  // last: the handler may delete the site
    return;
  }
  if (vk != VK_RETURN) event->ignore();
}

void ControlSite::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Send(WM_SETFOCUS, 0, 0);
}

void ControlSite::focusOutEvent(QFocusEvent* event) {
  m_KeyActivation.Cancel();  // a key that comes up elsewhere activates nothing
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
  QMetaObject::invokeMethod(
      this, [this] { DispatchPosted(); }, Qt::QueuedConnection);
}

// ---- Assistive technology

void ControlSite::PressAndRelease() {
  // The centre, or else the first pixel of the shape; a button with no visible pixel gets the
  // press and release but, as with the mouse, no click.
  QPoint at = rect().center();
  for (int y = 0; y < height() && !InsideShape(at); ++y)
    for (int x = 0; x < width(); ++x)
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
