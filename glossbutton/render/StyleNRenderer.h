#pragma once
// Styles 2 to 5: a glossy rounded face painted pixel by pixel, the styles differing only in the
// nine numbers of FaceParams.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

struct FaceParams {
  std::int32_t HighlightBase = 0;
  std::int32_t HighlightSlope = 0;
  std::int32_t HighlightLeft = 0;
  std::int32_t HighlightTop = 0;
  std::int32_t HighlightRadius = 0;
  std::int32_t HighlightHeight = 0;
  std::int32_t HighlightWidth = 0;
  std::int32_t ShadeX = 0;
  std::int32_t ShadeY = 0;
  bool operator==(const FaceParams&) const = default;
};

// The record for Style with corner radius R; all zero for a style outside 2..5. Returns false
// when the Style 3 falloff cannot be worked out (a control of height 0): nothing is drawn then.
// Sizes are in device pixels; the record's fixed lengths are scaled by devicePixelRatio.
bool MakeFaceParams(FaceParams& P, std::int32_t Style, std::int32_t R, float surfaceScaleWidth,
                    float controlScaleHeight, double devicePixelRatio = 1.0);

void DrawStyleNFace(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P);

void RenderStyleN(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

}  // namespace gloss
