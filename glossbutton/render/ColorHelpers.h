#pragma once
// Colour arithmetic shared by the renderers, the colour schemes and the mouse hook.
#include <cstdint>

namespace gloss {

// Splits an OLE colour into its components; system colours are translated first, and a colour
// that cannot be translated reads as black.
void GetRGB(std::int32_t& R, std::int32_t& G, std::int32_t& b, std::int32_t Color);

// Colour1 moved Percentage percent towards Color2, each component truncated towards Color1.
// Percentage is clamped to 0..100 and the clamped value is written back.
std::int32_t BlendColors(std::int32_t Color1, std::int32_t Color2, std::int32_t& Percentage);

std::int32_t ClampValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

// Halves of a packed message parameter, each as a signed 16-bit number.
std::int16_t HiWord(std::int32_t value);
std::int16_t LoWord(std::int32_t value);

// Components 0..255 to a plain OLE colour.
constexpr std::int32_t RGB(std::int32_t r, std::int32_t g, std::int32_t b) { return r + 256 * g + 65536 * b; }

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0;

}  // namespace gloss
