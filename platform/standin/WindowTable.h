#pragma once
// Internal to platform/: the per-window state shared by windows, the mouse-leave service and
// regions. Not for use outside platform/.
#include <functional>
#include <optional>

#include "platform/Region.h"
#include "platform/Window.h"

namespace platform::detail {

struct WindowRecord {
  WNDPROC proc;
  DWORD processId = 0;
  DWORD threadId = 0;
  bool destroying = false;
  // Mouse-leave service.
  bool pointerInside = false;
  bool leaveArmed = false;
  // The window's shape; empty optional = no region (the whole rectangle).
  std::optional<Region> region;
  std::function<void(HWND, BOOL)> regionChanged;
};

// Null for an invalid handle.
WindowRecord* FindWindowRecord(HWND hWnd);

}  // namespace platform::detail
