#pragma once
// The system-colour table taken from a Qt palette, so that system colours in the control
// (0x80xxxxxx) follow the desktop the program runs on.
#include <QPalette>

#include "platform/SystemColors.h"

namespace host {

// Every entry with a palette counterpart comes from the palette; the rest keep the defaults.
platform::SystemColorTable SystemColorsFromPalette(const QPalette& palette);

// A Qt colour as an OLE colour / COLORREF (red in the low byte).
platform::COLORREF ToColorRef(const QColor& color);
QColor FromColorRef(platform::COLORREF color);

}  // namespace host
