#pragma once
// The button the redraw benchmarks draw: the colours of the program's window buttons and the
// corner radius the shape step would store for the style and size.
#include <algorithm>
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"

namespace bench {

inline constexpr std::int32_t kSizes[][2] = {{25, 25}, {100, 30}, {400, 120}};

inline std::int32_t CornerRadius(std::int32_t style, std::int32_t w, std::int32_t h) {
  switch (style) {
    case 2:
    case 4:
    case 5:
      return std::clamp(h / 2, 0, std::max(0, w / 2));
    case 3:
      return 12;
    case 6:
      return std::clamp(h / 3, 0, std::max(0, w / 3));
    default:
      return 0;
  }
}

inline gloss::ButtonLook Look(std::int32_t style, std::int32_t w, std::int32_t h) {
  gloss::ButtonLook look;
  look.Style = style;
  look.ScaleWidth = static_cast<float>(w);
  look.ScaleHeight = static_cast<float>(h);
  look.m_CornerRadius = CornerRadius(style, w, h);
  look.m_ColorButtonUp = 0xC86428;
  look.m_ColorButtonHover = 0xD8845A;
  look.m_ColorButtonDown = 0x8C3C14;
  look.m_ColorBright = 0x78E6FF;
  look.m_BorderBrightness = -30;
  look.ParentBackColor = [] { return 0x8000000F; };
  return look;
}

}  // namespace bench
