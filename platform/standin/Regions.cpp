#include "platform/Regions.h"

#include <map>
#include <utility>

#include "platform/Window.h"
#include "platform/standin/WindowTable.h"

namespace platform {
namespace {

struct RegionTable {
  std::map<HRGN, Region> regions;
  HRGN nextHandle = 0x40000;
};

RegionTable& Table() {
  static RegionTable table;
  return table;
}

Region* Find(HRGN h) {
  auto& regions = Table().regions;
  auto it = regions.find(h);
  return it == regions.end() ? nullptr : &it->second;
}

}  // namespace

HRGN CreateRectRgn(LONG nLeftRect, LONG nTopRect, LONG nRightRect, LONG nBottomRect) {
  auto& t = Table();
  const HRGN h = t.nextHandle;
  t.nextHandle += 4;
  t.regions.emplace(h, Region::FromRect(nLeftRect, nTopRect, nRightRect, nBottomRect));
  return h;
}

HRGN CreateRgnFromRects(const std::vector<RECT>& rects) {
  auto& t = Table();
  const HRGN h = t.nextHandle;
  t.nextHandle += 4;
  t.regions.emplace(h, Region::FromRects(rects));
  return h;
}

int CombineRgn(HRGN hrgnDest, HRGN hrgnSrc1, HRGN hrgnSrc2, int fnCombineMode) {
  Region* dest = Find(hrgnDest);
  const Region* a = Find(hrgnSrc1);
  const Region* b = fnCombineMode == RGN_COPY ? a : Find(hrgnSrc2);
  if (!dest || !a || !b || fnCombineMode < RGN_AND || fnCombineMode > RGN_COPY) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return RGN_ERROR;
  }
  *dest = Region::Combine(*a, *b, fnCombineMode);
  return dest->Kind();
}

BOOL DeleteObject(HRGN hObject) { return Table().regions.erase(hObject) ? TRUE : FALSE; }

BOOL PtInRegion(HRGN hrgn, LONG x, LONG y) {
  const Region* r = Find(hrgn);
  return r && r->Contains(x, y) ? TRUE : FALSE;
}

const Region* GetRegion(HRGN hrgn) { return Find(hrgn); }

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw) {
  auto* win = detail::FindWindowRecord(hWnd);
  if (!win) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (hRgn == 0) {
    win->region.reset();
  } else {
    auto& regions = Table().regions;
    auto it = regions.find(hRgn);
    if (it == regions.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
    }
    win->region = std::move(it->second);
    regions.erase(it);
  }
  if (win->regionChanged) {
    auto handler = win->regionChanged;  // the handler may replace itself
    handler(hWnd, bRedraw);
  }
  return 1;
}

int GetWindowRgn(HWND hWnd, HRGN hRgn) {
  auto* win = detail::FindWindowRecord(hWnd);
  Region* dest = Find(hRgn);
  if (!win || !dest || !win->region) return RGN_ERROR;
  *dest = *win->region;
  return dest->Kind();
}

bool PtInWindowRgn(HWND hWnd, LONG x, LONG y) {
  auto* win = detail::FindWindowRecord(hWnd);
  if (!win) return false;
  return !win->region || win->region->Contains(x, y);
}

std::vector<RECT> GetWindowRgnRects(HWND hWnd, bool* hasRegion) {
  auto* win = detail::FindWindowRecord(hWnd);
  const bool has = win && win->region;
  if (hasRegion) *hasRegion = has;
  return has ? win->region->Rects() : std::vector<RECT>{};
}

void SetWindowRgnChangedHandler(HWND hWnd, std::function<void(HWND, BOOL)> handler) {
  if (auto* win = detail::FindWindowRecord(hWnd)) win->regionChanged = std::move(handler);
}

}  // namespace platform
