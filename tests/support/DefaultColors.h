#pragma once
// The four colours a new control starts with: the ones InitProperties sets, a property bag without
// them reads as, and colour scheme 0 sets. Written once for every test that expects them.
#include <cstdint>
#include <ostream>

#include "glossbutton/GlossButton.h"

namespace gloss::test {

struct ButtonColors {
  std::int32_t up, hover, down, bright;
  bool operator==(const ButtonColors&) const = default;
};

inline constexpr ButtonColors kDefaultColors{15309136, 16760976, 15309136, 16772528};  // E99950 FFC090 E99950 FFEDB0

inline ButtonColors ColorsOf(const GlossButton& b) {
  return {b.ColorButtonUp(), b.ColorButtonHover(), b.ColorButtonDown(), b.ColorBright()};
}

inline std::ostream& operator<<(std::ostream& os, const ButtonColors& c) {
  return os << "up " << c.up << ", hover " << c.hover << ", down " << c.down << ", bright " << c.bright;
}

}  // namespace gloss::test
