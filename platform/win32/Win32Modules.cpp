// Modules and their exports through the system loader.
#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "platform/Modules.h"

namespace platform {

HMODULE GetModuleHandle(const std::string& lpModuleName) {
  return reinterpret_cast<HMODULE>(::GetModuleHandleA(lpModuleName.c_str()));
}

HMODULE LoadLibrary(const std::string& lpLibFileName) {
  return reinterpret_cast<HMODULE>(::LoadLibraryA(lpLibFileName.c_str()));
}

BOOL FreeLibrary(HMODULE hLibModule) {
  return hLibModule != 0 && ::FreeLibrary(reinterpret_cast<::HMODULE>(hLibModule)) ? TRUE : FALSE;
}

FARPROC GetProcAddress(HMODULE hModule, const std::string& lpProcName) {
  if (hModule == 0) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(::GetProcAddress(reinterpret_cast<::HMODULE>(hModule), lpProcName.c_str()));
}

}  // namespace platform
