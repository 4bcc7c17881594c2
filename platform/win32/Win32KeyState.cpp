// The keyboard's state on real Win32: the system keeps it per thread as input is read.
#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "platform/KeyState.h"

namespace platform {

std::int16_t GetKeyState(int nVirtKey) { return static_cast<std::int16_t>(::GetKeyState(nVirtKey)); }

void SetKeyDown(int, bool) {}

}  // namespace platform
