#pragma once
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

// Flat button whose body shows only under the mouse, pressed and checked; constant colours.
void RenderStyle1(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
