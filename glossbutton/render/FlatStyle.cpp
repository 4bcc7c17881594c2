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
  try {
    if (!look.ParentBackColor) return;
    const std::int32_t back = look.ParentBackColor();
    surface.LineBF(0, 0, size.W, size.H, back);
  } catch (...) {
    // The background is decoration; the button is still drawn without it.
  }
}

void DrawFlatOutline(Surface& s, const FlatSize& size, const OutlineColors& c, bool firstShadeOnLeft) {
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
