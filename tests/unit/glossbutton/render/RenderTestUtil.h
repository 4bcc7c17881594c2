#pragma once
// Small helpers for the rendering tests: pixel values from components, and a plain look.
#include <cstdint>
#include <memory>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/Surface.h"

namespace rendertest {

constexpr std::uint32_t Px(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}
constexpr std::int32_t Ole(std::int32_t r, std::int32_t g, std::int32_t b) { return r + 256 * g + 65536 * b; }

// A colour no renderer produces in these tests: marks pixels left as the surface was handed over.
constexpr std::int32_t kClearedOle = 0x123456;
constexpr std::uint32_t kCleared = Px(0x56, 0x34, 0x12);
constexpr std::int32_t kHostOle = 0x00C0A080;  // R 0x80, G 0xA0, B 0xC0
constexpr std::uint32_t kHost = Px(0x80, 0xA0, 0xC0);

inline gloss::ButtonLook LookOfSize(std::int32_t style, float width, float height) {
  gloss::ButtonLook look;
  look.Style = style;
  look.ScaleWidth = width;
  look.ScaleHeight = height;
  look.ParentBackColor = kHostOle;
  return look;
}

inline gloss::Surface ClearedSurface(std::int32_t width, std::int32_t height) {
  gloss::Surface s;
  s.SetBackColor(kClearedOle);
  s.Resize(width, height);
  return s;
}

}  // namespace rendertest
