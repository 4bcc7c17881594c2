#pragma once
// Stand-in for the platform's system-colour translation (OleTranslateColor). The system colours
// live in a table that a host may replace (for instance with its own palette) before drawing.
#include <array>
#include <cstdint>

namespace platform {

using OLE_COLOR = std::uint32_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR
using HPALETTE = std::uintptr_t;
using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

// Indices of the system colours (COLOR_SCROLLBAR .. COLOR_MENUBAR).
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_MENUBAR = 30;
constexpr int kSystemColorCount = 31;

using SystemColorTable = std::array<COLORREF, kSystemColorCount>;

// The table in force and the one a fresh process starts with.
SystemColorTable GetSystemColorTable();
void SetSystemColorTable(const SystemColorTable& table);
SystemColorTable DefaultSystemColorTable();

COLORREF GetSysColor(int index);  // 0 for an index outside the table
void SetSysColor(int index, COLORREF color);

// Plain RGB (high byte 0) passes unchanged; 0x80 in the high byte names a system colour by
// its low byte; 0x02 (palette RGB) keeps the low 24 bits. Anything else fails and leaves
// *pcolorref untouched. hpal is accepted for the signature's sake; palette indices (0x01)
// without a palette fail.
HRESULT OleTranslateColor(OLE_COLOR clr, HPALETTE hpal, COLORREF* pcolorref);

}  // namespace platform
