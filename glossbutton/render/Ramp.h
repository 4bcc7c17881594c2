#pragma once
// Linear colour ramps of the flat styles. The evaluation order is fixed because many rows land
// exactly on a half, where the order of the double operations decides the rounding.
#include <cstdint>

namespace gloss {

struct Rgb3 {
  std::int32_t r, g, b;
};

// One component at index i of a ramp from f to t over divisor d. A zero divisor gives f.
std::int32_t RampComponent(std::int32_t f, std::int32_t t, std::int32_t d, std::int32_t i);

// The ramp colour as a plain OLE colour.
std::int32_t RampColor(const Rgb3& from, const Rgb3& to, std::int32_t d, std::int32_t i);

std::int32_t ToOle(const Rgb3& c);

}  // namespace gloss
