#pragma once
// Extras of the Win32 backend for hosts: windows with a parent, a style and a place, and the
// message loop. The handles are real window handles; no <windows.h> here.
#include <string>

#include "platform/Window.h"

namespace platform::win32 {

struct WindowPlacement {
  HWND parent = 0;  // 0 = a top-level window
  DWORD style = 0;  // WS_* bits; 0 = a hidden pop-up
  DWORD exStyle = 0;
  LONG x = 0, y = 0, width = 100, height = 100;
  std::wstring title;
};

// A window of the backend's class whose procedure is lpfnWndProc, placed as asked.
HWND CreateWindowIn(WNDPROC lpfnWndProc, const WindowPlacement& placement);

// Runs the thread's message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles the messages queued now (posted and sent), without waiting; returns how many.
int PumpMessages();

}  // namespace platform::win32
