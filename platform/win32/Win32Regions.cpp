// Region handles and window shapes over real GDI regions: SetWindowRgn clips both the window's
// painting and where it receives clicks.
#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <utility>
#include <vector>

#include "platform/Regions.h"
#include "platform/Window.h"
#include "platform/win32/Win32Internal.h"

namespace platform {
namespace {

::HRGN Real(HRGN h) { return reinterpret_cast<::HRGN>(h); }
::HWND RealWnd(HWND h) { return reinterpret_cast<::HWND>(h); }

bool IsRegion(HRGN h) { return h != 0 && ::GetObjectType(Real(h)) == OBJ_REGION; }

std::vector<RECT> RectsOf(::HRGN rgn) {
  const DWORD size = ::GetRegionData(rgn, 0, nullptr);
  std::vector<RECT> rects;
  if (size == 0) return rects;
  std::vector<unsigned char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (::GetRegionData(rgn, size, data) == 0) return rects;
  const auto* r = reinterpret_cast<const ::RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    rects.push_back({r[i].left, r[i].top, r[i].right, r[i].bottom});
  }
  return rects;
}

Region RegionOf(::HRGN rgn) {
  Region result;
  for (const RECT& r : RectsOf(rgn)) {
    result = Region::Combine(result, Region::FromRect(r.left, r.top, r.right, r.bottom), RGN_OR);
  }
  return result;
}

std::map<HWND, std::function<void(HWND, BOOL)>>& Handlers() {
  static std::map<HWND, std::function<void(HWND, BOOL)>> handlers;
  return handlers;
}

// A scratch region holding a copy of the window's shape; 0 when it has none.
::HRGN WindowShape(HWND hWnd) {
  ::HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
  if (::GetWindowRgn(RealWnd(hWnd), copy) == RGN_ERROR) {
    ::DeleteObject(copy);
    return nullptr;
  }
  return copy;
}

}  // namespace

namespace win32detail {
void ForgetRegionHandler(HWND hWnd) { Handlers().erase(hWnd); }
}  // namespace win32detail

HRGN CreateRectRgn(LONG nLeftRect, LONG nTopRect, LONG nRightRect, LONG nBottomRect) {
  return reinterpret_cast<HRGN>(::CreateRectRgn(nLeftRect, nTopRect, nRightRect, nBottomRect));
}

HRGN CreateRgnFromRects(const std::vector<RECT>& rects) {
  // One ExtCreateRegion over the whole list: GDI sorts and merges the rectangles itself.
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(::RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(::RECT));
  ::RECT bounds{0, 0, 0, 0};
  auto* out = reinterpret_cast<::RECT*>(data->Buffer);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    if (i == 0) {
      bounds = out[i];
    } else {
      bounds.left = std::min(bounds.left, out[i].left);
      bounds.top = std::min(bounds.top, out[i].top);
      bounds.right = std::max(bounds.right, out[i].right);
      bounds.bottom = std::max(bounds.bottom, out[i].bottom);
    }
  }
  data->rdh.rcBound = bounds;
  return reinterpret_cast<HRGN>(::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

int CombineRgn(HRGN hrgnDest, HRGN hrgnSrc1, HRGN hrgnSrc2, int fnCombineMode) {
  const bool sourcesOk = IsRegion(hrgnSrc1) && (fnCombineMode == RGN_COPY || IsRegion(hrgnSrc2));
  if (!IsRegion(hrgnDest) || !sourcesOk || fnCombineMode < RGN_AND || fnCombineMode > RGN_COPY) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return RGN_ERROR;
  }
  const HRGN second = fnCombineMode == RGN_COPY ? hrgnSrc1 : hrgnSrc2;
  return ::CombineRgn(Real(hrgnDest), Real(hrgnSrc1), Real(second), fnCombineMode);
}

BOOL DeleteObject(HRGN hObject) { return IsRegion(hObject) && ::DeleteObject(Real(hObject)) ? TRUE : FALSE; }

BOOL PtInRegion(HRGN hrgn, LONG x, LONG y) { return IsRegion(hrgn) && ::PtInRegion(Real(hrgn), x, y) ? TRUE : FALSE; }

const Region* GetRegion(HRGN hrgn) {
  if (!IsRegion(hrgn)) return nullptr;
  static std::map<HRGN, Region> copies;  // valid until the next call for the same handle
  return &(copies[hrgn] = RegionOf(Real(hrgn)));
}

int SetWindowRgn(HWND hWnd, HRGN hRgn, BOOL bRedraw) {
  if (!IsWindow(hWnd)) {
    ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (hRgn != 0 && !IsRegion(hRgn)) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (::SetWindowRgn(RealWnd(hWnd), Real(hRgn), bRedraw) == 0) return 0;  // the system owns it now
  auto it = Handlers().find(hWnd);
  if (it != Handlers().end() && it->second) {
    auto handler = it->second;  // the handler may replace itself
    handler(hWnd, bRedraw);
  }
  return 1;
}

int GetWindowRgn(HWND hWnd, HRGN hRgn) {
  if (!IsWindow(hWnd) || !IsRegion(hRgn)) return RGN_ERROR;
  return ::GetWindowRgn(RealWnd(hWnd), Real(hRgn));
}

bool PtInWindowRgn(HWND hWnd, LONG x, LONG y) {
  if (!IsWindow(hWnd)) return false;
  ::HRGN shape = WindowShape(hWnd);
  if (!shape) return true;
  const bool inside = ::PtInRegion(shape, x, y) != 0;
  ::DeleteObject(shape);
  return inside;
}

std::vector<RECT> GetWindowRgnRects(HWND hWnd, bool* hasRegion) {
  ::HRGN shape = IsWindow(hWnd) ? WindowShape(hWnd) : nullptr;
  if (hasRegion) *hasRegion = shape != nullptr;
  if (!shape) return {};
  // Through Region so that the rectangles come in the same bands as the stand-in's.
  std::vector<RECT> rects = RegionOf(shape).Rects();
  ::DeleteObject(shape);
  return rects;
}

void SetWindowRgnChangedHandler(HWND hWnd, std::function<void(HWND, BOOL)> handler) {
  if (!IsWindow(hWnd)) return;
  if (handler) {
    Handlers()[hWnd] = std::move(handler);
  } else {
    Handlers().erase(hWnd);
  }
}

}  // namespace platform
