#pragma once
// BlendColors on colours already split into components, giving a stored pixel: the same integer
// formula, without translating both colours again for every pixel.
#include <cstdint>

#include "glossbutton/render/ColorHelpers.h"

namespace gloss {

struct Rgb {
  std::int32_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline Rgb SplitColor(std::int32_t oleColor) {
  Rgb c;
  GetRGB(c.r, c.g, c.b, oleColor);
  return c;
}

constexpr std::uint32_t ToPixel(const Rgb& c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) |
         static_cast<std::uint32_t>(c.b);
}

// BlendColors(c1, c2, percentage) for a percentage already within 0..100. Components stay in
// 0..255, so the products stay far inside 32 bits and / truncates towards zero like \.
constexpr Rgb Blend(const Rgb& c1, const Rgb& c2, std::int32_t percentage) {
  return {c1.r + (c2.r - c1.r) * percentage / 100, c1.g + (c2.g - c1.g) * percentage / 100,
          c1.b + (c2.b - c1.b) * percentage / 100};
}

constexpr std::int32_t Clamp100(std::int32_t p) { return p < 0 ? 0 : p > 100 ? 100 : p; }

// BlendColors(black, pixel, percentage): every component scaled down, truncated.
constexpr std::uint32_t DarkenPixel(std::uint32_t px, std::uint32_t percentage) {
  const std::uint32_t r = ((px >> 16) & 0xFFu) * percentage / 100;
  const std::uint32_t g = ((px >> 8) & 0xFFu) * percentage / 100;
  const std::uint32_t b = (px & 0xFFu) * percentage / 100;
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

}  // namespace gloss
