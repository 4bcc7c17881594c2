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

void DrawFlatOutline(Surface& s, const ButtonLook& look, const FlatSize& size, const OutlineColors& c,
                     bool firstShadeOnLeft) {
  WalkFlatOutline(
      size.W, size.H, c, DeviceLength(look, 1), DeviceLength(look, 2), firstShadeOnLeft,
      [&s](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) {
        s.Line(x1, y1, x2, y2, colour);
      },
      [&s](std::int32_t x, std::int32_t y, std::int32_t colour) { s.PSet(x, y, colour); });
}

}  // namespace gloss
