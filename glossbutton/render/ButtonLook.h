#pragma once
// Everything a redraw reads from the control, gathered by the control before each redraw so that
// the drawing code works over plain values.
#include <cstdint>
#include <functional>
#include <string>

#include "glossbutton/render/Image.h"

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

  // The control's inner size in pixels.
  float ScaleWidth = 0;
  float ScaleHeight = 0;

  // HIMETRIC to pixels; when empty, the design resolution of 96 dots per inch.
  std::function<double(double)> ScaleX;
  std::function<double(double)> ScaleY;
};

}  // namespace gloss
