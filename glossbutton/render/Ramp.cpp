#include "glossbutton/render/Ramp.h"

#include "glossbutton/render/Numbers.h"

namespace gloss {

std::int32_t RampComponent(std::int32_t f, std::int32_t t, std::int32_t d, std::int32_t i) {
  if (d == 0) return f;
  const double di = i;
  const double dd = d;
  const double upper = di / dd * t;  // t x T.c
  const double sum = upper + f;
  const double lower = di / dd * f;  // t x F.c, with t worked out again
  return CInt32(sum - lower);
}

std::int32_t RampColor(const Rgb3& from, const Rgb3& to, std::int32_t d, std::int32_t i) {
  return RampComponent(from.r, to.r, d, i) + 256 * RampComponent(from.g, to.g, d, i) +
         65536 * RampComponent(from.b, to.b, d, i);
}

std::int32_t ToOle(const Rgb3& c) { return c.r + 256 * c.g + 65536 * c.b; }

}  // namespace gloss
