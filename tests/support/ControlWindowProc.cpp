#include "tests/support/ControlWindowProc.h"

#include "platform/WinTypes.h"

namespace gloss::test {
namespace {

std::int16_t ButtonMask(platform::WPARAM keys) {
  std::int16_t b = 0;
  if (keys & platform::MK_LBUTTON) b |= 1;
  if (keys & platform::MK_RBUTTON) b |= 2;
  if (keys & platform::MK_MBUTTON) b |= 4;
  return b;
}

std::int16_t ShiftMask(platform::WPARAM keys) {
  std::int16_t s = 0;
  if (keys & platform::MK_SHIFT) s |= 1;
  if (keys & platform::MK_CONTROL) s |= 2;
  return s;
}

float X(platform::LPARAM lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
float Y(platform::LPARAM lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

std::int16_t ButtonOf(platform::UINT uMsg) {
  switch (uMsg) {
    case platform::WM_LBUTTONDOWN:
    case platform::WM_LBUTTONUP: return 1;
    case platform::WM_RBUTTONDOWN:
    case platform::WM_RBUTTONUP: return 2;
    default: return 4;
  }
}

}  // namespace

platform::LPARAM PackPoint(int x, int y) {
  return static_cast<platform::LPARAM>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                       static_cast<std::uint16_t>(x));
}

platform::WNDPROC InstallControlWindowProc(platform::HWND hWnd, ControlSlot slot) {
  auto pressed = std::make_shared<bool>(false);
  platform::WNDPROC proc =
      platform::MakeWindowProc([slot, pressed](platform::HWND h, platform::UINT uMsg, platform::WPARAM wParam,
                                               platform::LPARAM lParam) -> platform::LRESULT {
        GlossButton* b = *slot;
        if (!b) return platform::DefWindowProc(h, uMsg, wParam, lParam);
        switch (uMsg) {
          case platform::WM_MOUSEMOVE:
            b->MouseMove(ButtonMask(wParam), ShiftMask(wParam), X(lParam), Y(lParam));
            return 0;
          case platform::WM_LBUTTONDOWN:
          case platform::WM_RBUTTONDOWN:
          case platform::WM_MBUTTONDOWN:
            if (uMsg == platform::WM_LBUTTONDOWN) *pressed = true;
            b->MouseDown(ButtonOf(uMsg), ShiftMask(wParam), X(lParam), Y(lParam));
            return 0;
          case platform::WM_LBUTTONUP:
          case platform::WM_RBUTTONUP:
          case platform::WM_MBUTTONUP: {
            const bool click = uMsg == platform::WM_LBUTTONUP && *pressed;
            if (uMsg == platform::WM_LBUTTONUP) *pressed = false;
            b->MouseUp(ButtonOf(uMsg), ShiftMask(wParam), X(lParam), Y(lParam));
            // MouseUp's handler may have destroyed the control.
            if (click && *slot) (*slot)->Click();
            return 0;
          }
          case platform::WM_LBUTTONDBLCLK: b->DblClick(); return 0;
          case platform::WM_SETFOCUS: b->EnterFocus(); return 0;
          case platform::WM_KILLFOCUS: b->ExitFocus(); return 0;
          case platform::WM_KEYDOWN: b->KeyDown(static_cast<std::int16_t>(wParam), 0); return 0;
          case platform::WM_KEYUP: b->KeyUp(static_cast<std::int16_t>(wParam), 0); return 0;
          default: return platform::DefWindowProc(h, uMsg, wParam, lParam);
        }
      });
  platform::SetWindowLong(hWnd, platform::GWL_WNDPROC, proc);
  return proc;
}

}  // namespace gloss::test
