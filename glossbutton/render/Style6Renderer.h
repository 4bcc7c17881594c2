#pragma once
// Style 6: a rounded face shaded by row towards ColorBright, with a thin gloss crescent under the
// top edge and an edge at half the face's brightness.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

void DrawStyle6Face(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour);

void RenderStyle6(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
