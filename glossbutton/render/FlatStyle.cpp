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

void DrawScaledOutline(Surface& s, const FlatSize& size, const OutlineColors& c, std::int32_t b, std::int32_t cut) {
  WalkScaledOutline(
      size.W, size.H, c, b, cut,
      [&s](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) {
        s.Line(x1, y1, x2, y2, colour);
      },
      [&s](std::int32_t x, std::int32_t y, std::int32_t colour) { s.PSet(x, y, colour); });
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
