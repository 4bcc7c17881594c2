#pragma once
// Region handles and window shapes. A region handle names a Region (Region.h) owned by the
// program until it is handed to a window with SetWindowRgn; from then on the window owns it
// and the handle is no longer valid (DeleteObject on it fails, as does any other use).
#include <functional>
#include <vector>

#include "platform/Region.h"
#include "platform/WinTypes.h"

namespace platform {

// 0 only if the region cannot be made.
HRGN CreateRectRgn(LONG nLeftRect, LONG nTopRect, LONG nRightRect, LONG nBottomRect);
// The union of the rectangles, built at once (see Region::FromRects); 0 only if the region
// cannot be made.
HRGN CreateRgnFromRects(const std::vector<RECT>& rects);
// hrgnDest = hrgnSrc1 <mode> hrgnSrc2 (hrgnSrc2 is ignored for RGN_COPY); any of them may be
// the same handle. Returns NULLREGION, SIMPLEREGION, COMPLEXREGION, or RGN_ERROR for an
// invalid handle or mode (the destination is then unchanged).
int CombineRgn(HRGN hrgnDest, HRGN hrgnSrc1, HRGN hrgnSrc2, int fnCombineMode);
BOOL DeleteObject(HRGN hObject);
BOOL PtInRegion(HRGN hrgn, LONG x, LONG y);
// The region behind a handle, null for an invalid handle.
const Region* GetRegion(HRGN hrgn);

// Gives the window hRgn as its shape (0 removes the shape). The window's previous region is
// deleted and the window's region-changed handler is told. Returns 0 on failure (invalid
// window or region handle), non-zero otherwise.
int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw);
// Copies the window's region into hRgn; returns its kind, or RGN_ERROR when the window has
// no region or a handle is invalid.
int GetWindowRgn(HWND hWnd, HRGN hRgn);
// Whether (x, y) in window pixels belongs to the window's shape: every pixel does when the
// window has no region; false for an invalid window.
bool PtInWindowRgn(HWND hWnd, LONG x, LONG y);
// The window's region as disjoint rectangles, empty when it has none; hasRegion tells which.
std::vector<RECT> GetWindowRgnRects(HWND hWnd, bool* hasRegion = nullptr);

// Host side: called after every successful SetWindowRgn on hWnd (replacing any earlier
// handler; an empty function removes it). Dropped when the window is destroyed.
void SetWindowRgnChangedHandler(HWND hWnd, std::function<void(HWND hWnd, BOOL bRedraw)> handler);

}  // namespace platform
