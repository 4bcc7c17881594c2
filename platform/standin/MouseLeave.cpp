#include "platform/MouseLeave.h"

#include "platform/Window.h"
#include "platform/standin/WindowTable.h"

namespace platform {
namespace {

void PostLeave(HWND hWnd, detail::WindowRecord& rec) {
  rec.leaveArmed = false;
  PostMessage(hWnd, WM_MOUSELEAVE, 0, 0);
}

}  // namespace

BOOL TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack) {
  if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (lpEventTrack->dwFlags & TME_QUERY) {
    const HWND h = lpEventTrack->hwndTrack;
    auto* rec = detail::FindWindowRecord(h);
    lpEventTrack->dwFlags = (rec && rec->leaveArmed) ? TME_LEAVE : 0;
    return TRUE;
  }
  auto* rec = detail::FindWindowRecord(lpEventTrack->hwndTrack);
  if (!rec) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (!(lpEventTrack->dwFlags & TME_LEAVE)) return TRUE;  // hover tracking is not offered
  if (lpEventTrack->dwFlags & TME_CANCEL) {
    rec->leaveArmed = false;
    return TRUE;
  }
  rec->leaveArmed = true;
  if (!rec->pointerInside) PostLeave(lpEventTrack->hwndTrack, *rec);
  return TRUE;
}

void SetPointerInside(HWND hWnd, bool inside) {
  auto* rec = detail::FindWindowRecord(hWnd);
  if (!rec) return;
  const bool wasInside = rec->pointerInside;
  rec->pointerInside = inside;
  if (wasInside && !inside && rec->leaveArmed) PostLeave(hWnd, *rec);
}

bool IsPointerInside(HWND hWnd) {
  auto* rec = detail::FindWindowRecord(hWnd);
  return rec && rec->pointerInside;
}

bool IsLeaveTracked(HWND hWnd) {
  auto* rec = detail::FindWindowRecord(hWnd);
  return rec && rec->leaveArmed;
}

}  // namespace platform
