#include "host/qt/InputMessages.h"

#include "platform/KeyState.h"

#include <algorithm>
#include <cmath>

namespace host {

using namespace platform;

QPoint PixelOf(const QPointF& p) { return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))}; }

WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  WPARAM w = 0;
  if (buttons & Qt::LeftButton) w |= MK_LBUTTON;
  if (buttons & Qt::RightButton) w |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) w |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) w |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) w |= MK_CONTROL;
  return w;
}

void ReportModifiers(Qt::KeyboardModifiers modifiers) {
  SetKeyDown(static_cast<int>(VK_SHIFT), (modifiers & Qt::ShiftModifier) != 0);
  SetKeyDown(static_cast<int>(VK_CONTROL), (modifiers & Qt::ControlModifier) != 0);
  SetKeyDown(static_cast<int>(VK_MENU), (modifiers & Qt::AltModifier) != 0);
}

UINT ButtonDownMessage(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDOWN;
    case Qt::RightButton: return WM_RBUTTONDOWN;
    case Qt::MiddleButton: return WM_MBUTTONDOWN;
    default: return WM_NULL;
  }
}

UINT ButtonUpMessage(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return WM_LBUTTONUP;
    case Qt::RightButton: return WM_RBUTTONUP;
    case Qt::MiddleButton: return WM_MBUTTONUP;
    default: return WM_NULL;
  }
}

UINT ButtonDblClkMessage(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDBLCLK;
    case Qt::RightButton: return WM_RBUTTONDBLCLK;
    case Qt::MiddleButton: return WM_MBUTTONDBLCLK;
    default: return WM_NULL;
  }
}

WPARAM VirtualKey(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<WPARAM>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<WPARAM>('0' + (qtKey - Qt::Key_0));
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    default: return 0;
  }
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
  std::int16_t s = 0;
  if (modifiers & Qt::ShiftModifier) s |= 1;
  if (modifiers & Qt::ControlModifier) s |= 2;
  if (modifiers & Qt::AltModifier) s |= 4;
  return s;
}

}  // namespace host
