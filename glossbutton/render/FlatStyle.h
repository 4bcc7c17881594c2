#pragma once
// What the two flat styles (0 and 1) share: the last column and row, the host-coloured
// background, the outline with cut corners, and the pen that draws them on a surface.
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
// The outline's steps in drawing order, handed to line(x1, y1, x2, y2, colour) (end point left
// out) and pixel(x, y, colour): at lengths of 1 and 2 pixels the sixteen steps, firstShadeOnLeft
// putting the first corner pixel at (0, 1) before (1, 0); otherwise the same outline b pixels wide
// with its corners cut `cut` pixels deep, each corner in its own corner's coordinates (dx, dy
// measured inwards from the corner).
template <class Line, class Pixel>
void WalkFlatOutline(std::int32_t W, std::int32_t H, const OutlineColors& c, std::int32_t b, std::int32_t cut,
                     bool firstShadeOnLeft, Line&& line, Pixel&& pixel) {
  if (b == 1 && cut == 2) {
    pixel(firstShadeOnLeft ? 0 : 1, firstShadeOnLeft ? 1 : 0, c.cornerShade);
    pixel(firstShadeOnLeft ? 1 : 0, firstShadeOnLeft ? 0 : 1, c.cornerShade);
    line(0, 2, 2, 0, c.cornerLine);
    line(2, 0, Sub32(W, 2), 0, c.outline);
    pixel(Sub32(W, 1), 0, c.cornerShade);
    pixel(W, 1, c.cornerShade);
    line(Sub32(W, 2), 0, W, 2, c.cornerLine);
    line(W, 2, W, Sub32(H, 2), c.outline);
    pixel(W, Sub32(H, 1), c.cornerShade);
    pixel(Sub32(W, 1), H, c.cornerShade);
    line(W, Sub32(H, 2), Sub32(W, 2), H, c.cornerLine);
    line(Sub32(W, 2), H, 2, H, c.outline);
    pixel(1, H, c.cornerShade);
    pixel(0, Sub32(H, 1), c.cornerShade);
    line(2, H, 0, Sub32(H, 2), c.cornerLine);
    line(0, Sub32(H, 2), 0, 2, c.outline);
    return;
  }
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

// The outline (WalkFlatOutline) at the look's device pixel ratio, drawn on the surface.
void DrawFlatOutline(Surface& surface, const ButtonLook& look, const FlatSize& size, const OutlineColors& colors,
                     bool firstShadeOnLeft);

// The pen a flat style's drawing is written for, putting the pixels on the surface: rows of one
// colour (the end point left out), boxes, the host's background and the outline. FlatRows is the
// same pen, recording.
struct SurfacePen {
  Surface& s;
  const ButtonLook& look;
  FlatSize size;
  void Line(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t colour) { s.Line(x1, y, x2, y, colour); }
  void Box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) {
    s.LineBF(x1, y1, x2, y2, colour);
  }
  void HostBackground() { FillHostBackground(s, look, size); }
  void Outline(const ButtonLook& l, const OutlineColors& c, bool firstShadeOnLeft) {
    DrawFlatOutline(s, l, size, c, firstShadeOnLeft);
  }
};

}  // namespace gloss
