#include "platform/Modules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "platform/MouseLeave.h"
#include "platform/Window.h"

namespace platform {
namespace {

struct Module {
  std::string key;  // lower case, without ".dll"
  HMODULE handle;
  bool alwaysLoaded;
  int loadCount = 0;
  std::map<std::string, FARPROC> exports;
};

std::string KeyOf(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name.size() > 4 && name.ends_with(".dll")) name.resize(name.size() - 4);
  return name;
}

FARPROC Export(BOOL (*fn)(TRACKMOUSEEVENT*)) { return reinterpret_cast<FARPROC>(fn); }

std::vector<Module> InitialModules() {
  return {
      {"user32", 0x77D40000, true, 0, {{"TrackMouseEvent", Export(&TrackMouseEvent)}}},
      {"kernel32", 0x7C800000, true, 0, {}},
      {"comctl32", 0x5D090000, false, 0, {{"_TrackMouseEvent", Export(&TrackMouseEvent)}}},
  };
}

std::vector<Module>& Modules() {
  static std::vector<Module> modules = InitialModules();
  return modules;
}

Module* ByName(const std::string& name) {
  const std::string key = KeyOf(name);
  for (auto& m : Modules()) {
    if (m.key == key) return &m;
  }
  return nullptr;
}

bool IsLoaded(const Module& m) { return m.alwaysLoaded || m.loadCount > 0; }

Module* LoadedByHandle(HMODULE h) {
  for (auto& m : Modules()) {
    if (m.handle == h && IsLoaded(m)) return &m;
  }
  return nullptr;
}

}  // namespace

HMODULE GetModuleHandle(const std::string& lpModuleName) {
  Module* m = ByName(lpModuleName);
  if (!m || !IsLoaded(*m)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return m->handle;
}

HMODULE LoadLibrary(const std::string& lpLibFileName) {
  Module* m = ByName(lpLibFileName);
  if (!m) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  ++m->loadCount;
  return m->handle;
}

BOOL FreeLibrary(HMODULE hLibModule) {
  Module* m = LoadedByHandle(hLibModule);
  if (!m || m->loadCount == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --m->loadCount;
  return TRUE;
}

FARPROC GetProcAddress(HMODULE hModule, const std::string& lpProcName) {
  Module* m = LoadedByHandle(hModule);
  if (!m) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  auto it = m->exports.find(lpProcName);
  if (it == m->exports.end()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return it->second;
}

namespace testhooks {

void HideExport(const std::string& module, const std::string& procName) {
  if (Module* m = ByName(module)) m->exports.erase(procName);
}

void ResetModules() { Modules() = InitialModules(); }

int LoadCount(const std::string& module) {
  Module* m = ByName(module);
  return m ? m->loadCount : 0;
}

}  // namespace testhooks
}  // namespace platform
