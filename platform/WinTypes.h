#pragma once
/// \file
/// The platform's handle and message types. Handles are plain numbers looked up in registries,
/// so a stale handle is detectable (IsWindow) instead of dangling.
#include <cstdint>

namespace platform {

using HWND = std::uintptr_t;     ///< 0 = no window
using HRGN = std::uintptr_t;     ///< 0 = no region
using HMODULE = std::uintptr_t;  ///< 0 = no module
/// The integer types of the platform's interfaces, by their platform names.
///@{
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WORD = std::uint16_t;
///@}

constexpr BOOL TRUE = 1;   ///< BOOL true.
constexpr BOOL FALSE = 0;  ///< BOOL false.

/// A point in pixels.
struct POINT {
  LONG x = 0;  ///< Across.
  LONG y = 0;  ///< Down.
};

/// Right and bottom edges are exclusive.
struct RECT {
  LONG left = 0;    ///< The left edge.
  LONG top = 0;     ///< The top edge.
  LONG right = 0;   ///< Past the right edge.
  LONG bottom = 0;  ///< Past the bottom edge.
  friend bool operator==(const RECT&, const RECT&) = default;
};

/// Window messages.
///@{
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSEHOVER = 0x02A1;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_USER = 0x0400;
///@}

/// Key-state mask of mouse messages (wParam).
///@{
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
///@}

/// Virtual-key codes.
///@{
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_SHIFT = 0x10;
constexpr WPARAM VK_CONTROL = 0x11;
constexpr WPARAM VK_MENU = 0x12;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
///@}

/// WM_SIZE wParam.
///@{
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
///@}

/// SetWindowLong / GetWindowLong index.
constexpr int GWL_WNDPROC = -4;

/// Last-error numbers the stand-in sets.
///@{
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_INVALID_INDEX = 1413;
///@}

/// Word packing. GET_X_LPARAM / GET_Y_LPARAM are signed 16-bit, as mouse positions left of or
/// above the window are negative.
///@{
constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFFu); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFFu); }
constexpr LPARAM MAKELPARAM(std::int32_t lo, std::int32_t hi) {
  return static_cast<LPARAM>(static_cast<std::int32_t>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) |
                                                       static_cast<std::uint32_t>(lo & 0xFFFF)));
}
constexpr WPARAM MAKEWPARAM(std::int32_t lo, std::int32_t hi) {
  return static_cast<WPARAM>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) | static_cast<std::uint32_t>(lo & 0xFFFF));
}
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lp))); }
///@}

/// The pointer position a mouse message carries in its lParam: client x and y as two signed
/// 16-bit words (x low, y high). Packing clamps values beyond the 16-bit range rather than
/// wrapping them, so a far-away pointer stays on the correct side.
struct PointerPos {
  int x = 0;  ///< Client x.
  int y = 0;  ///< Client y.
};
/// The lParam of a mouse message at (x, y), and back.
///@{
constexpr LPARAM PackPointerPos(int x, int y) {
  const int cx = x < -32768 ? -32768 : x > 32767 ? 32767 : x;
  const int cy = y < -32768 ? -32768 : y > 32767 ? 32767 : y;
  return MAKELPARAM(cx, cy);
}
constexpr PointerPos UnpackPointerPos(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
///@}

/// A mouse message's buttons in the control's Button argument form (1 left, 2 right, 4 middle):
/// those held, from its key-state mask, and the one a WM_xBUTTONDOWN/UP/DBLCLK names (0 for
/// another message).
///@{
constexpr std::int16_t ButtonMaskFromKeyState(WPARAM keyState) {
  return static_cast<std::int16_t>(((keyState & MK_LBUTTON) ? 1 : 0) | ((keyState & MK_RBUTTON) ? 2 : 0) |
                                   ((keyState & MK_MBUTTON) ? 4 : 0));
}
constexpr std::int16_t ButtonOfMessage(UINT uMsg) {
  switch (uMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return 4;
    default: return 0;
  }
}
///@}

}  // namespace platform
