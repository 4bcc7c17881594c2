#pragma once
// The mouse-leave side of enter/leave tracking, for a control that owns a Subclasser.
//
//   hook::MouseTracker m_Tracker;
//   // reading stored properties, in user mode only:
//   m_Tracker.Start(m_Subclass, hWnd);   // looks for the service, hooks hWnd, watches
//                                         // WM_MOUSEMOVE and WM_MOUSELEAVE after the window
//   // in OnHookMessage, on the entering WM_MOUSEMOVE:
//   m_Tracker.RequestLeaveNotice(hWnd);  // one WM_MOUSELEAVE when the pointer leaves
//   // at termination: m_Subclass.sc_UnSubclassAll();
//
// The enter/leave rules themselves (m_MouseOver, MouseEnter, MouseLeave, redraws) belong to the
// control's OnHookMessage.
#include <string>

#include "hook/Subclasser.h"
#include "platform/WinTypes.h"

namespace hook {

// Whether sModule exports sFunction; a module that is not loaded is loaded for the question and
// unloaded again.
bool HasExport(const std::string& sFunction, const std::string& sModule);

class MouseTracker {
 public:
  // Looks for the leave service: "TrackMouseEvent" in "User32", else "_TrackMouseEvent" in
  // "Comctl32". Sets CanTrackLeave and TrackInUser32 and returns CanTrackLeave.
  bool DetectService();
  // DetectService, then, when the service exists, hooks hWnd with callback ordinal 1 of the
  // subclasser's own owner (the result is not examined) and watches WM_MOUSEMOVE and
  // WM_MOUSELEAVE after the window's procedure. Returns CanTrackLeave.
  bool Start(Subclasser& subclass, platform::HWND hWnd);
  // Asks the service for one WM_MOUSELEAVE on hWnd; nothing when there is no service. The
  // service's answer is not examined.
  void RequestLeaveNotice(platform::HWND hWnd) const;

  bool CanTrackLeave() const { return m_CanTrackLeave; }
  bool TrackInUser32() const { return m_TrackInUser32; }

 private:
  bool m_CanTrackLeave = false;
  bool m_TrackInUser32 = false;
};

}  // namespace hook
