#pragma once
// The mouse-leave service. A window arms a one-shot request with TrackMouseEvent(TME_LEAVE);
// the host reports where the pointer is with SetPointerInside. One WM_MOUSELEAVE is posted
// when the pointer goes from inside to outside while a request is armed, or at once when the
// request is made while the pointer is already outside; posting cancels the request.
// Posted messages reach the window through DispatchPostedMessages (Window.h), which the host
// calls after each input, so arming from inside a handler never recurses.
#include "platform/WinTypes.h"

namespace platform {

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD cbSize = 0;  // must be sizeof(TRACKMOUSEEVENT)
  DWORD dwFlags = 0;
  HWND hwndTrack = 0;
  DWORD dwHoverTime = 0;
};

// TME_LEAVE arms, TME_LEAVE | TME_CANCEL disarms, TME_QUERY fills lpEventTrack with the armed
// request (dwFlags TME_LEAVE, or 0 when none). FALSE for a bad size, a null pointer or an
// invalid window (with the last error set).
BOOL TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack);

// Host side: the pointer is now inside (true) or outside (false) hWnd's visible pixels.
void SetPointerInside(HWND hWnd, bool inside);
bool IsPointerInside(HWND hWnd);
// Whether a leave request is armed on hWnd.
bool IsLeaveTracked(HWND hWnd);

}  // namespace platform
