#pragma once
// The four colours a new control starts with: the ones InitProperties sets, a property bag without
// them reads as, and colour scheme 0 sets. Written once for every test that expects them, the
// unit tests and the Qt ones; header-only and free of the core and of Qt, so that a test sees
// only what it includes itself.
#include <cstdint>
#include <ostream>

namespace gloss::test {

// Colours as the control stores them: 0x00BBGGRR.
struct ButtonColors {
  std::int32_t up, hover, down, bright;
  bool operator==(const ButtonColors&) const = default;
};

inline constexpr ButtonColors kDefaultColors{15309136, 16760976, 15309136, 16772528};  // E99950 FFC090 E99950 FFEDB0

// Red, green and blue of a stored colour.
constexpr int RedOf(std::int32_t c) { return c & 0xFF; }
constexpr int GreenOf(std::int32_t c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(std::int32_t c) { return (c >> 16) & 0xFF; }

// The colours of a GlossButton (or anything with its four colour getters).
template <typename Button>
ButtonColors ColorsOf(const Button& b) {
  return {b.ColorButtonUp(), b.ColorButtonHover(), b.ColorButtonDown(), b.ColorBright()};
}

inline std::ostream& operator<<(std::ostream& os, const ButtonColors& c) {
  return os << "up " << c.up << ", hover " << c.hover << ", down " << c.down << ", bright " << c.bright;
}

}  // namespace gloss::test
