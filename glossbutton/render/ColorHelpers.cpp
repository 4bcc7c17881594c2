#include "glossbutton/render/ColorHelpers.h"

#include "glossbutton/render/Numbers.h"
#include "platform/SystemColors.h"

namespace gloss {

void GetRGB(std::int32_t& R, std::int32_t& G, std::int32_t& b, std::int32_t Color) {
  platform::COLORREF translated = 0;
  // The result code is deliberately ignored: a failed translation leaves black.
  (void)platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(Color), 0, &translated);
  R = static_cast<std::int32_t>(translated & 0xFFu);
  G = static_cast<std::int32_t>((translated >> 8) & 0xFFu);
  b = static_cast<std::int32_t>((translated >> 16) & 0xFFu);
}

std::int32_t BlendColors(std::int32_t Color1, std::int32_t Color2, std::int32_t& Percentage) {
  Percentage = ClampValue(Percentage, 0, 100);
  std::int32_t r1, g1, b1, r2, g2, b2;
  GetRGB(r1, g1, b1, Color1);
  GetRGB(r2, g2, b2, Color2);
  const auto mix = [&](std::int32_t c1, std::int32_t c2) { return c1 + IntDiv32((c2 - c1) * Percentage, 100); };
  return RGB(mix(r1, r2), mix(g1, g2), mix(b1, b2));
}

std::int32_t ClampValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
  if (value < minimum) return minimum;
  if (value > maximum) return maximum;
  return value;
}

std::int16_t HiWord(std::int32_t value) { return static_cast<std::int16_t>(value >> 16); }

std::int16_t LoWord(std::int32_t value) {
  const std::int32_t low = value & 0xFFFF;
  return static_cast<std::int16_t>(low >= 0x8000 ? low - 65536 : low);
}

}  // namespace gloss
