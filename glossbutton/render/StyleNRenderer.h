#pragma once
// Styles 2 to 5: a glossy rounded face painted pixel by pixel, the styles differing only in the
// nine numbers of FaceParams (FaceParams.h).
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/FaceParams.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

void DrawStyleNFace(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P);

void RenderStyleN(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
