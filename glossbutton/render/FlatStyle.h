#pragma once
// Pieces shared by the two flat styles (0 and 1): the last column and row, the host-coloured
// background, and the outline with cut corners.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

struct FlatSize {
  std::int32_t W;  // last column
  std::int32_t H;  // last row
};
FlatSize LastColumnAndRow(const ButtonLook& look);

// Fills the surface with the host's colour; a look without one (the host could not give it) or
// a failing fill leaves the surface as it was.
void FillHostBackground(Surface& surface, const ButtonLook& look, const FlatSize& size);

struct OutlineColors {
  std::int32_t cornerShade;
  std::int32_t cornerLine;
  std::int32_t outline;
};
// The sixteen outline steps; firstShadeOnLeft puts the first corner pixel at (0, 1) before (1, 0).
// At a device pixel ratio whose one- and two-pixel lengths are not 1 and 2, the same outline with
// its line width and its corner cuts scaled.
void DrawFlatOutline(Surface& surface, const ButtonLook& look, const FlatSize& size, const OutlineColors& colors,
                     bool firstShadeOnLeft);

}  // namespace gloss
