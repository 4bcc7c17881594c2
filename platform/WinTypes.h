#pragma once
// The platform's handle and message types. Handles are plain numbers looked up in registries,
// so a stale handle is detectable (IsWindow) instead of dangling.
#include <cstdint>

namespace platform {

using HWND = std::uintptr_t;     // 0 = no window
using HRGN = std::uintptr_t;     // 0 = no region
using HMODULE = std::uintptr_t;  // 0 = no module
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

}  // namespace platform
