#pragma once
// Seeded random inputs for comparing the fast renderers with the plain ones.
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "glossbutton/render/ButtonLook.h"
#include "platform/SystemColors.h"

namespace renderequality {

class RandomLook {
 public:
  explicit RandomLook(std::uint32_t seed) : rng_(seed) {}

  std::int32_t Int(std::int32_t lo, std::int32_t hi) {
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng_);
  }
  bool Chance(int percent) { return Int(0, 99) < percent; }

  // Mostly plain colours, often system colours, now and then one that cannot be translated.
  std::int32_t Colour() {
    const int kind = Int(0, 9);
    if (kind < 6) return Int(0, 0xFFFFFF);
    if (kind < 9) return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(Int(0, 30)));
    return Chance(50) ? static_cast<std::int32_t>(0x800000FFu) : 0x01123456;
  }

  // Sizes 1..300, small ones more often, where the corners and bands crowd each other.
  std::int32_t Side() { return Chance(50) ? Int(1, 40) : Int(1, 300); }

  // Radius as the shape step would store it, or anything else the property could hold.
  std::int32_t Radius(std::int32_t style, std::int32_t w, std::int32_t h) {
    switch (Int(0, 5)) {
      case 0: return 0;
      case 1:
      case 2: return style == 6 ? std::min(h / 3, w / 3) : style == 3 ? 12 : std::min(h / 2, w / 2);
      case 3: return Int(0, std::max(w, h));
      case 4: return Int(0, 20);
      default: return Chance(80) ? Int(0, 600) : Int(4000, 5000);  // beyond the fast path's range too
    }
  }

  std::int32_t Brightness() {
    if (Chance(10)) return Chance(50) ? 150 : -150;  // stored out of range
    return Int(-100, 100);
  }

  // A look for a control of w x h; its scale sizes sometimes differ from the surface's.
  gloss::ButtonLook Look(std::int32_t w, std::int32_t h) {
    gloss::ButtonLook look;
    look.Style = Chance(5) ? (Chance(50) ? -1 : 7) : Int(0, 6);
    look.Checked = Chance(10);
    look.ScaleWidth = static_cast<float>(w);
    look.ScaleHeight = static_cast<float>(h);
    if (Chance(10)) look.ScaleWidth = static_cast<float>(Int(0, 300)) + (Chance(50) ? 0.5f : 0.0f);
    if (Chance(10)) look.ScaleHeight = static_cast<float>(Int(0, 300)) + (Chance(50) ? 0.5f : 0.25f);
    look.m_CornerRadius = Radius(look.Style, w, h);
    look.m_ColorButtonUp = Colour();
    look.m_ColorButtonHover = Colour();
    look.m_ColorButtonDown = Colour();
    look.m_ColorBright = Colour();
    look.m_BorderBrightness = Brightness();
    look.ForeColor = Colour();
    const int host = Int(0, 9);
    if (host < 8) look.ParentBackColor = Colour();
    // else: a host that could not give its colour
    return look;
  }

  std::int32_t State() { return Chance(5) ? (Chance(50) ? -1 : 5) : Int(0, 4); }

 private:
  std::mt19937 rng_;
};

inline std::string Describe(const gloss::ButtonLook& look, std::int32_t surfaceW, std::int32_t surfaceH,
                            std::int32_t state) {
  std::ostringstream os;
  os << "style " << look.Style << " state " << state << " checked " << look.Checked << " surface " << surfaceW << "x"
     << surfaceH << " scale " << look.ScaleWidth << "x" << look.ScaleHeight << " R " << look.m_CornerRadius
     << " colours " << std::hex << look.m_ColorButtonUp << "/" << look.m_ColorButtonHover << "/"
     << look.m_ColorButtonDown << " bright " << look.m_ColorBright << std::dec << " border " << look.m_BorderBrightness;
  return os.str();
}

}  // namespace renderequality
