#pragma once
// Everything a redraw reads from the control, gathered by the control before each redraw so that
// the drawing code works over plain values: nothing in a look calls back into the host.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "glossbutton/render/Image.h"
#include "glossbutton/render/Numbers.h"

namespace gloss {

// The picture and the size it is drawn at, in device pixels: its HIMETRIC size converted by the
// host's ScaleX / ScaleY, at the look's device pixel ratio.
struct LookPicture {
  PicturePtr image;  // none when the button has no picture
  std::int32_t width = 0;
  std::int32_t height = 0;
  explicit operator bool() const { return image != nullptr; }
};

// What a button's face is drawn from: every field of the look that a style renderer reads. The
// caption and the picture go over the face afterwards and are not part of it. Kept faces are
// found by comparing these whole, so a field a renderer comes to read belongs here.
struct FaceLook {
  std::int32_t Style = 0;
  std::int32_t m_CornerRadius = 0;

  std::int32_t m_ColorButtonUp = 0;  // OLE colours, system colours included
  std::int32_t m_ColorButtonHover = 0;
  std::int32_t m_ColorButtonDown = 0;
  std::int32_t m_ColorBright = 0;
  std::int32_t m_BorderBrightness = 0;  // -100..100, kept there by its setter

  // Parent.BackColor as the control read it for this drawing; none when the host could not
  // give one. The flat styles paint their background with it and leave it out when there is none.
  std::optional<std::int32_t> ParentBackColor;

  // The control's inner size in device pixels (m_CornerRadius too).
  float ScaleWidth = 0;
  float ScaleHeight = 0;

  // Device pixels per pixel of the control: 1 on an ordinary screen, 2 on a double-density one.
  // The renderers draw their own fixed lengths (borders, bands, offsets, margins) scaled by it,
  // and the caption's font and the picture at it.
  double DevicePixelRatio = 1.0;

  bool operator==(const FaceLook&) const = default;
};

struct ButtonLook : FaceLook {
  bool Checked = false;  // the redraw draws the checked state's face instead of the one asked for
  std::string Caption;
  LookPicture Picture;
  std::int32_t PictureAlignment = 0;
  std::int32_t ForeColor = 0;  // OLE colour
  gloss::Font Font;
};

// The picture's size in device pixels from its size in pixels (ScaleX / ScaleY of its HIMETRIC
// size) at the given device pixel ratio.
inline LookPicture PictureAtSize(PicturePtr picture, double widthPixels, double heightPixels, double ratio) {
  LookPicture p;
  if (!picture) return p;
  p.width = CInt32(widthPixels * ratio);
  p.height = CInt32(heightPixels * ratio);
  p.image = std::move(picture);
  return p;
}

// The same at the design resolution of 96 dots per inch, for a look made without a host.
inline LookPicture PictureAtDesignSize(PicturePtr picture, double ratio = 1.0) {
  if (!picture) return {};
  const double w = picture->widthHimetric / kHimetricPerPixel, h = picture->heightHimetric / kHimetricPerPixel;
  return PictureAtSize(std::move(picture), w, h, ratio);
}

// A fixed length of n pixels at the look's ratio, rounded as every length is (halves to even).
inline std::int32_t DeviceLength(const ButtonLook& look, std::int32_t n) {
  return CInt32(static_cast<double>(n) * look.DevicePixelRatio);
}

}  // namespace gloss
