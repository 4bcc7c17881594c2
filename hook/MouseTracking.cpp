#include "hook/MouseTracking.h"

#include "platform/Modules.h"
#include "platform/MouseLeave.h"

namespace hook {

bool HasExport(const std::string& sFunction, const std::string& sModule) {
  platform::HMODULE hMod = platform::GetModuleHandle(sModule);
  bool loadedHere = false;
  if (!hMod) {
    hMod = platform::LoadLibrary(sModule);
    if (!hMod) return false;
    loadedHere = true;
  }
  const bool found = platform::GetProcAddress(hMod, sFunction) != nullptr;
  if (loadedHere) platform::FreeLibrary(hMod);
  return found;
}

bool MouseTracker::DetectService() {
  m_CanTrackLeave = true;
  m_TrackInUser32 = HasExport("TrackMouseEvent", "User32");
  if (!m_TrackInUser32 && !HasExport("_TrackMouseEvent", "Comctl32")) m_CanTrackLeave = false;
  return m_CanTrackLeave;
}

bool MouseTracker::Start(Subclasser& subclass, platform::HWND hWnd) {
  if (!DetectService()) return false;
  subclass.sc_Subclass(hWnd, 0, 1, nullptr, true);
  subclass.sc_WatchMsg(hWnd, platform::WM_MOUSEMOVE, HOOK_AFTER);
  subclass.sc_WatchMsg(hWnd, platform::WM_MOUSELEAVE, HOOK_AFTER);
  return true;
}

void MouseTracker::RequestLeaveNotice(platform::HWND hWnd) const {
  if (!m_CanTrackLeave) return;
  const char* module = m_TrackInUser32 ? "User32" : "Comctl32";
  const char* function = m_TrackInUser32 ? "TrackMouseEvent" : "_TrackMouseEvent";
  // Held loaded for the call only, as the module may not be loaded otherwise.
  const platform::HMODULE hMod = platform::LoadLibrary(module);
  if (!hMod) return;
  if (platform::FARPROC proc = platform::GetProcAddress(hMod, function)) {
    platform::TRACKMOUSEEVENT tme;
    tme.cbSize = sizeof(platform::TRACKMOUSEEVENT);
    tme.dwFlags = platform::TME_LEAVE;
    tme.hwndTrack = hWnd;
    tme.dwHoverTime = 0;
    reinterpret_cast<platform::BOOL (*)(platform::TRACKMOUSEEVENT*)>(proc)(&tme);
  }
  platform::FreeLibrary(hMod);
}

}  // namespace hook
