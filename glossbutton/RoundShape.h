#pragma once
// The window shape of a rounded button: the pixels 0 to width - 1 and 0 to height - 1 with the
// outside of the corners cut away, row by row, as the face renderers leave it.
#include <cstdint>

#include "platform/WinTypes.h"

namespace gloss {

// A new region handle (the caller owns it). width and height are the last column and row
// plus one, i.e. the control's size minus one.
platform::HRGN CreateRoundShapeRegion(std::int32_t width, std::int32_t height, std::int32_t radius);

}  // namespace gloss
