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
    case 5: return std::clamp(h / 2, 0, std::max(0, w / 2));
    case 3: return 12;
    case 6: return std::clamp(h / 3, 0, std::max(0, w / 3));
    default: return 0;
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
  look.ParentBackColor = 0x8000000F;
  return look;
}

// The same button of w x h on a screen of the given device pixel ratio, as the control hands it
// to the renderers: device sizes, the radius the shape step works out at them, the ratio.
inline gloss::ButtonLook LookAtRatio(std::int32_t style, std::int32_t w, std::int32_t h, double ratio) {
  const std::int32_t dw = gloss::CInt32(w * ratio), dh = gloss::CInt32(h * ratio);
  gloss::ButtonLook look = Look(style, dw, dh);
  look.DevicePixelRatio = ratio;
  if (style == 3) look.m_CornerRadius = gloss::CInt32(12 * ratio);
  return look;
}

}  // namespace bench
