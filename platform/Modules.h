#pragma once
// Modules and their exports. Module names compare without regard to case, with or without
// ".dll"; export names compare exactly. Known modules: "User32" and "Kernel32" (always loaded)
// and "Comctl32" (loaded on demand). User32 exports "TrackMouseEvent", Comctl32 exports
// "_TrackMouseEvent"; both have the signature BOOL(TRACKMOUSEEVENT*) and are called by casting
// the FARPROC back:  reinterpret_cast<BOOL (*)(TRACKMOUSEEVENT*)>(proc)(&tme).
#include <string>

#include "platform/WinTypes.h"

namespace platform {

using FARPROC = void (*)();

// The handle of a loaded module, 0 when it is not loaded (no loading happens here).
HMODULE GetModuleHandle(const std::string& lpModuleName);
// Loads the module or adds a reference; 0 (ERROR_MOD_NOT_FOUND) for an unknown module.
HMODULE LoadLibrary(const std::string& lpLibFileName);
// Drops a reference; a module loaded on demand is unloaded at zero. FALSE for a handle that
// is not loaded.
BOOL FreeLibrary(HMODULE hLibModule);
// Null for a handle that is not loaded (ERROR_INVALID_HANDLE) or a missing export
// (ERROR_PROC_NOT_FOUND).
FARPROC GetProcAddress(HMODULE hModule, const std::string& lpProcName);

namespace testhooks {
// Test-only controls: hide an export so that GetProcAddress no longer finds it, and put every
// module back as the process starts (exports restored, on-demand modules unloaded).
void HideExport(const std::string& module, const std::string& procName);
void ResetModules();
// The module's reference count from LoadLibrary (0 when not loaded by LoadLibrary).
int LoadCount(const std::string& module);
}  // namespace testhooks

}  // namespace platform
