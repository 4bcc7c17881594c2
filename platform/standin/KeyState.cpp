#include "platform/KeyState.h"

#include <array>

namespace platform {
namespace {

std::array<bool, 256>& Down() {
  static std::array<bool, 256> down{};
  return down;
}

bool Known(int vk) { return vk >= 0 && vk < 256; }

}  // namespace

std::int16_t GetKeyState(int nVirtKey) {
  return Known(nVirtKey) && Down()[static_cast<std::size_t>(nVirtKey)] ? static_cast<std::int16_t>(-128) : 0;
}

void SetKeyDown(int nVirtKey, bool down) {
  if (Known(nVirtKey)) Down()[static_cast<std::size_t>(nVirtKey)] = down;
}

}  // namespace platform
