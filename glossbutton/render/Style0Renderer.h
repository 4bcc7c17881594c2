#pragma once
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

// Fixed-palette push button: shaded face, dark blue outline, coloured inner frame when focused
// (blue) or hovered (orange).
void RenderStyle0(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
