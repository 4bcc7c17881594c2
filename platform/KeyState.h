#pragma once
// The keyboard's state as the platform keeps it. A window procedure reads it while it handles a
// message (GetKeyState), so a key or mouse message needs nothing kept beside it. On the real
// platform the system keeps it; in our stand-in the host reports each change with SetKeyDown
// before it sends the input that follows the change.
#include <cstdint>

#include "platform/WinTypes.h"

namespace platform {

// Negative (the high bit set) while the key is down.
std::int16_t GetKeyState(int nVirtKey);

// The control's Shift argument as the key state has it now: 1 shift, 2 ctrl, 4 alt.
inline std::int16_t ModifierMask() {
  const auto down = [](WPARAM vk) { return GetKeyState(static_cast<int>(vk)) < 0; };
  return static_cast<std::int16_t>((down(VK_SHIFT) ? 1 : 0) | (down(VK_CONTROL) ? 2 : 0) | (down(VK_MENU) ? 4 : 0));
}

// A mouse message's Shift argument: shift and ctrl from its key-state mask (wParam), alt from the
// key state, as the mask has no bit for it.
inline std::int16_t ShiftMaskFromKeyState(WPARAM keyState) {
  std::int16_t s = static_cast<std::int16_t>(ModifierMask() & 4);
  if (keyState & MK_SHIFT) s |= 1;
  if (keyState & MK_CONTROL) s |= 2;
  return s;
}

// Host side: the key is now down or up. The real platform keeps its own state and ignores this.
void SetKeyDown(int nVirtKey, bool down);

}  // namespace platform
