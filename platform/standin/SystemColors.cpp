#include "platform/SystemColors.h"

namespace platform {
namespace {

constexpr COLORREF Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

// The desktop's usual light scheme.
constexpr SystemColorTable kDefaults = {
    Rgb(200, 200, 200),  // 0 scroll bar
    Rgb(0, 0, 0),        // 1 desktop
    Rgb(153, 180, 209),  // 2 active caption
    Rgb(191, 205, 219),  // 3 inactive caption
    Rgb(240, 240, 240),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(100, 100, 100),  // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(0, 0, 0),        // 9 caption text
    Rgb(180, 180, 180),  // 10 active border
    Rgb(244, 247, 252),  // 11 inactive border
    Rgb(171, 171, 171),  // 12 application workspace
    Rgb(0, 120, 215),    // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(240, 240, 240),  // 15 button face
    Rgb(160, 160, 160),  // 16 button shadow
    Rgb(109, 109, 109),  // 17 grey text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(0, 0, 0),        // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(105, 105, 105),  // 21 3D dark shadow
    Rgb(227, 227, 227),  // 22 3D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    Rgb(0, 0, 0),        // 25 unused
    Rgb(0, 102, 204),    // 26 hot-tracked item
    Rgb(185, 209, 234),  // 27 gradient active caption
    Rgb(215, 228, 242),  // 28 gradient inactive caption
    Rgb(0, 120, 215),    // 29 menu highlight
    Rgb(240, 240, 240),  // 30 menu bar
};

SystemColorTable& Table() {
  static SystemColorTable table = kDefaults;
  return table;
}

}  // namespace

SystemColorTable DefaultSystemColorTable() { return kDefaults; }
SystemColorTable GetSystemColorTable() { return Table(); }
void SetSystemColorTable(const SystemColorTable& table) { Table() = table; }

COLORREF GetSysColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  return Table()[static_cast<std::size_t>(index)];
}

void SetSysColor(int index, COLORREF color) {
  if (index < 0 || index >= kSystemColorCount) return;
  Table()[static_cast<std::size_t>(index)] = color & 0xFFFFFFu;
}

HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE /*hpal*/, COLORREF* pcolorref) {
  const unsigned kind = clr >> 24;
  COLORREF result = 0;
  switch (kind) {
    case 0x00:
    case 0x02: result = clr & 0xFFFFFFu; break;
    case 0x80: {
      const unsigned index = clr & 0xFFFFFFu;
      if (index >= static_cast<unsigned>(kSystemColorCount)) return E_INVALIDARG;
      result = Table()[index];
      break;
    }
    default: return E_INVALIDARG;
  }
  if (pcolorref != nullptr) *pcolorref = result;
  return S_OK;
}

}  // namespace platform
