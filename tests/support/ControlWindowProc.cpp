#include "tests/support/ControlWindowProc.h"

#include "platform/WinTypes.h"

namespace gloss::test {
namespace {

std::int16_t ShiftMask(platform::WPARAM keys) {
  std::int16_t s = 0;
  if (keys & platform::MK_SHIFT) s |= 1;
  if (keys & platform::MK_CONTROL) s |= 2;
  return s;
}

float X(platform::LPARAM lParam) { return static_cast<float>(platform::UnpackPointerPos(lParam).x); }
float Y(platform::LPARAM lParam) { return static_cast<float>(platform::UnpackPointerPos(lParam).y); }

}  // namespace

platform::WNDPROC InstallControlWindowProc(platform::HWND hWnd, ControlSlot slot) {
  auto pressed = std::make_shared<bool>(false);
  platform::WNDPROC proc =
      platform::MakeWindowProc([slot, pressed](platform::HWND h, platform::UINT uMsg, platform::WPARAM wParam,
                                               platform::LPARAM lParam) -> platform::LRESULT {
        GlossButton* b = *slot;
        if (!b) return platform::DefWindowProc(h, uMsg, wParam, lParam);
        switch (uMsg) {
          case platform::WM_MOUSEMOVE:
            b->MouseMove(platform::ButtonMaskFromKeyState(wParam), ShiftMask(wParam), X(lParam), Y(lParam));
            return 0;
          case platform::WM_LBUTTONDOWN:
          case platform::WM_RBUTTONDOWN:
          case platform::WM_MBUTTONDOWN:
            if (uMsg == platform::WM_LBUTTONDOWN) *pressed = true;
            b->MouseDown(platform::ButtonOfMessage(uMsg), ShiftMask(wParam), X(lParam), Y(lParam));
            return 0;
          case platform::WM_LBUTTONUP:
          case platform::WM_RBUTTONUP:
          case platform::WM_MBUTTONUP: {
            const bool click = uMsg == platform::WM_LBUTTONUP && *pressed;
            if (uMsg == platform::WM_LBUTTONUP) *pressed = false;
            b->MouseUp(platform::ButtonOfMessage(uMsg), ShiftMask(wParam), X(lParam), Y(lParam));
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
