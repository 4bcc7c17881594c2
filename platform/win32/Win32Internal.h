#pragma once
// Internal to the Win32 backend: what its parts share. Deliberately free of <windows.h>.
#include "platform/WinTypes.h"

namespace platform::win32detail {

// Forgets the backend's state of a window that is going away (its region-changed handler).
void ForgetRegionHandler(HWND hWnd);

}  // namespace platform::win32detail
