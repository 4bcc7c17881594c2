#include "tests/support/FixedTextEngine.h"

#include <cmath>

namespace gloss::testing {

std::int32_t FixedTextEngine::CharacterCount(const std::string& text) {
  std::int32_t n = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0u) != 0x80u) ++n;  // continuation bytes belong to the previous character
  return n;
}

double FixedTextEngine::TextWidth(const Font&, const std::string& text) {
  return static_cast<double>(CharacterCount(text)) * cellWidth_;
}

double FixedTextEngine::TextHeight(const Font&, const std::string&) { return cellHeight_; }

void FixedTextEngine::Print(PixelView target, double x, double y, const Font& font, std::uint32_t color,
                            const std::string& text) {
  calls_.push_back({x, y, color, text, font});
  const auto left = static_cast<std::int64_t>(std::nearbyint(x));
  const auto top = static_cast<std::int64_t>(std::nearbyint(y));
  const auto mark = [&](std::int64_t px, std::int64_t py) {
    if (px < 0 || py < 0 || px >= target.width || py >= target.height) return;
    target.pixels[py * target.stride + px] = color;
  };
  const std::int32_t n = CharacterCount(text);
  for (std::int32_t k = 0; k < n; ++k) {
    const std::int64_t cx = left + std::int64_t{k} * cellWidth_;
    mark(cx, top);
    mark(cx + cellWidth_ - 1, top);
    mark(cx, top + cellHeight_ - 1);
    mark(cx + cellWidth_ - 1, top + cellHeight_ - 1);
  }
}

}  // namespace gloss::testing
