#pragma once
// Pieces shared by the two flat styles (0 and 1): the last column and row, the host-coloured
// background, and the outline with cut corners.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/Numbers.h"
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

// The scaled outline's steps in drawing order, b pixels wide with corners cut `cut` pixels deep,
// each corner in its own corner's coordinates (dx, dy measured inwards from the corner):
// line(x1, y1, x2, y2, colour) and pixel(x, y, colour). The surface draws them; the fast flat
// renderer records them.
template <class Line, class Pixel>
void WalkScaledOutline(std::int32_t W, std::int32_t H, const OutlineColors& c, std::int32_t b, std::int32_t cut,
                       Line&& line, Pixel&& pixel) {
  const auto corner = [&](std::int32_t k, std::int32_t dx1, std::int32_t dy1, std::int32_t dx2, std::int32_t dy2,
                          std::int32_t colour, bool withEnd) {
    const std::int32_t sx = (k == 1 || k == 2) ? -1 : 1;
    const std::int32_t sy = k >= 2 ? -1 : 1;
    const std::int32_t ox = sx < 0 ? W : 0;
    const std::int32_t oy = sy < 0 ? H : 0;
    const std::int32_t x1 = Add32(ox, Mul32(sx, dx1)), y1 = Add32(oy, Mul32(sy, dy1));
    const std::int32_t x2 = Add32(ox, Mul32(sx, dx2)), y2 = Add32(oy, Mul32(sy, dy2));
    line(x1, y1, x2, y2, colour);
    if (withEnd) pixel(x2, y2, colour);
  };
  for (std::int32_t t = 0; t < b; ++t) {
    const std::int32_t shade = Sub32(Sub32(cut, 1), t);  // the shade runs just outside the cut
    for (std::int32_t k = 0; k < 4; ++k) {
      if (shade >= 0) corner(k, 0, shade, shade, 0, c.cornerShade, true);
      corner(k, t, cut, cut, t, c.cornerLine, false);
    }
    line(cut, t, Sub32(W, cut), t, c.outline);
    line(Sub32(W, t), cut, Sub32(W, t), Sub32(H, cut), c.outline);
    line(Sub32(W, cut), Sub32(H, t), cut, Sub32(H, t), c.outline);
    line(t, Sub32(H, cut), t, cut, c.outline);
  }
}

}  // namespace gloss
