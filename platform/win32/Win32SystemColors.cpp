// System colours from the desktop (GetSysColor, OleTranslateColor). A host may still lay its
// own table over them, as on the stand-in; until it does, every colour is the system's.
#include <windows.h>
#include <olectl.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include <optional>

#include "platform/SystemColors.h"

namespace platform {
namespace {

std::optional<SystemColorTable>& Override() {
  static std::optional<SystemColorTable> table;
  return table;
}

}  // namespace

SystemColorTable DefaultSystemColorTable() {
  SystemColorTable table{};
  for (int i = 0; i < kSystemColorCount; ++i) {
    table[static_cast<std::size_t>(i)] = ::GetSysColor(i) & 0xFFFFFFu;
  }
  return table;
}

SystemColorTable GetSystemColorTable() { return Override() ? *Override() : DefaultSystemColorTable(); }
void SetSystemColorTable(const SystemColorTable& table) { Override() = table; }

COLORREF GetSysColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  if (Override()) return (*Override())[static_cast<std::size_t>(index)];
  return ::GetSysColor(index) & 0xFFFFFFu;
}

void SetSysColor(int index, COLORREF color) {
  if (index < 0 || index >= kSystemColorCount) return;
  if (!Override()) Override() = DefaultSystemColorTable();
  (*Override())[static_cast<std::size_t>(index)] = color & 0xFFFFFFu;
}

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE hpal, COLORREF* pcolorref) {
  const unsigned kind = clr >> 24;
  if (kind == 0x80 && Override()) {
    const unsigned index = clr & 0xFFFFFFu;
    if (index >= static_cast<unsigned>(kSystemColorCount)) return E_INVALIDARG;
    if (pcolorref) *pcolorref = (*Override())[index];
    return S_OK;
  }
  ::COLORREF out = 0;
  const ::HRESULT hr = ::OleTranslateColor(clr, reinterpret_cast<::HPALETTE>(hpal), &out);
  if (SUCCEEDED(hr) && pcolorref) *pcolorref = out;
  return hr;
}

}  // namespace platform
