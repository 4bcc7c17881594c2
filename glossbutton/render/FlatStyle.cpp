#include "glossbutton/render/FlatStyle.h"

#include "glossbutton/render/Numbers.h"

namespace gloss {

FlatSize LastColumnAndRow(const ButtonLook& look) {
  // Subtracted in single precision, as the sizes are single-precision values.
  const float w = look.ScaleWidth - 1.0f;
  const float h = look.ScaleHeight - 1.0f;
  return {CInt32(w), CInt32(h)};
}

void FillHostBackground(Surface& surface, const ButtonLook& look, const FlatSize& size) {
  // The background is decoration: without the host's colour, or if the fill fails, the button
  // is drawn without it.
  if (!look.ParentBackColor) return;
  try {
    surface.LineBF(0, 0, size.W, size.H, *look.ParentBackColor);
  } catch (...) {
  }
}

namespace {

// The outline b pixels wide with corners cut c pixels deep; each corner is drawn in its own
// corner's coordinates (dx, dy measured inwards from the corner).
void DrawScaledOutline(Surface& s, const FlatSize& size, const OutlineColors& c, std::int32_t b, std::int32_t cut) {
  const std::int32_t W = size.W;
  const std::int32_t H = size.H;
  const auto corner = [&](std::int32_t k, std::int32_t dx1, std::int32_t dy1, std::int32_t dx2, std::int32_t dy2,
                          std::int32_t colour, bool withEnd) {
    const std::int32_t sx = (k == 1 || k == 2) ? -1 : 1;
    const std::int32_t sy = k >= 2 ? -1 : 1;
    const std::int32_t ox = sx < 0 ? W : 0;
    const std::int32_t oy = sy < 0 ? H : 0;
    const std::int32_t x1 = Add32(ox, Mul32(sx, dx1)), y1 = Add32(oy, Mul32(sy, dy1));
    const std::int32_t x2 = Add32(ox, Mul32(sx, dx2)), y2 = Add32(oy, Mul32(sy, dy2));
    s.Line(x1, y1, x2, y2, colour);
    if (withEnd) s.PSet(x2, y2, colour);
  };
  for (std::int32_t t = 0; t < b; ++t) {
    const std::int32_t shade = Sub32(Sub32(cut, 1), t);  // the shade runs just outside the cut
    for (std::int32_t k = 0; k < 4; ++k) {
      if (shade >= 0) corner(k, 0, shade, shade, 0, c.cornerShade, true);
      corner(k, t, cut, cut, t, c.cornerLine, false);
    }
    s.Line(cut, t, Sub32(W, cut), t, c.outline);
    s.Line(Sub32(W, t), cut, Sub32(W, t), Sub32(H, cut), c.outline);
    s.Line(Sub32(W, cut), Sub32(H, t), cut, Sub32(H, t), c.outline);
    s.Line(t, Sub32(H, cut), t, cut, c.outline);
  }
}

}  // namespace

void DrawFlatOutline(Surface& s, const ButtonLook& look, const FlatSize& size, const OutlineColors& c,
                     bool firstShadeOnLeft) {
  const std::int32_t b = DeviceLength(look, 1);
  const std::int32_t cut = DeviceLength(look, 2);
  if (b != 1 || cut != 2) return DrawScaledOutline(s, size, c, b, cut);
  const std::int32_t W = size.W;
  const std::int32_t H = size.H;
  if (firstShadeOnLeft) {
    s.PSet(0, 1, c.cornerShade);
    s.PSet(1, 0, c.cornerShade);
  } else {
    s.PSet(1, 0, c.cornerShade);
    s.PSet(0, 1, c.cornerShade);
  }
  s.Line(0, 2, 2, 0, c.cornerLine);
  s.Line(2, 0, Sub32(W, 2), 0, c.outline);
  s.PSet(Sub32(W, 1), 0, c.cornerShade);
  s.PSet(W, 1, c.cornerShade);
  s.Line(Sub32(W, 2), 0, W, 2, c.cornerLine);
  s.Line(W, 2, W, Sub32(H, 2), c.outline);
  s.PSet(W, Sub32(H, 1), c.cornerShade);
  s.PSet(Sub32(W, 1), H, c.cornerShade);
  s.Line(W, Sub32(H, 2), Sub32(W, 2), H, c.cornerLine);
  s.Line(Sub32(W, 2), H, 2, H, c.outline);
  s.PSet(1, H, c.cornerShade);
  s.PSet(0, Sub32(H, 1), c.cornerShade);
  s.Line(2, H, 0, Sub32(H, 2), c.cornerLine);
  s.Line(0, Sub32(H, 2), 0, 2, c.outline);
}

}  // namespace gloss
