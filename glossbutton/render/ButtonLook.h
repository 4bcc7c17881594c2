#pragma once
// Everything a redraw reads from the control, gathered by the control before each redraw so that
// the drawing code works over plain values.
#include <cstdint>
#include <functional>
#include <string>

#include "glossbutton/render/Image.h"
#include "glossbutton/render/Numbers.h"

namespace gloss {

struct ButtonLook {
  std::int32_t Style = 0;
  bool Checked = false;
  std::string Caption;
  PicturePtr Picture;                  // none when empty
  std::int32_t PictureAlignment = 0;
  std::int32_t ForeColor = 0;          // OLE colour
  gloss::Font Font;
  std::int32_t m_CornerRadius = 0;

  std::int32_t m_ColorButtonUp = 0;
  std::int32_t m_ColorButtonHover = 0;
  std::int32_t m_ColorButtonDown = 0;
  std::int32_t m_ColorBright = 0;
  std::int32_t m_BorderBrightness = 0;  // -100..100, kept there by its setter

  // Parent.BackColor, read afresh by the flat styles; may throw (a host without one), and an
  // empty function counts as such a host.
  std::function<std::int32_t()> ParentBackColor;

  // The control's inner size in device pixels (m_CornerRadius too).
  float ScaleWidth = 0;
  float ScaleHeight = 0;

  // Device pixels per pixel of the control: 1 on an ordinary screen, 2 on a double-density one.
  // The renderers draw their own fixed lengths (borders, bands, offsets, margins) scaled by it,
  // and the caption's font and the picture at it.
  double DevicePixelRatio = 1.0;

  // HIMETRIC to pixels; when empty, the design resolution of 96 dots per inch.
  std::function<double(double)> ScaleX;
  std::function<double(double)> ScaleY;
};

// A fixed length of n pixels at the look's ratio, rounded as every length is (halves to even).
inline std::int32_t DeviceLength(const ButtonLook& look, std::int32_t n) {
  return CInt32(static_cast<double>(n) * look.DevicePixelRatio);
}

}  // namespace gloss
