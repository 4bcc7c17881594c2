#pragma once
// The redraw pipeline: renderer by Style, then caption and picture, then publish and clear.
#include <cstdint>
#include <memory>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

// Where the picture's top-left corner and the caption's start land.
struct Placement {
  std::int32_t px = 0, py = 0;
  std::int32_t cx = 0, cy = 0;
  bool placesCaption = false;  // false: the caption starts at the surface's current position
};

// W, H: control size; pw, ph: picture size; tw, th: caption size, all in whole pixels.
Placement PlaceIconAndCaption(std::int32_t PictureAlignment, std::int32_t W, std::int32_t H, std::int32_t pw,
                              std::int32_t ph, std::int32_t tw, std::int32_t th, std::int32_t margin);

// Draws the caption and the picture over what the renderer left and returns the image to
// publish (a copy of the surface). vState 1 moves both one pixel right and down.
std::shared_ptr<const Image> DrawIconWCaption(Surface& surface, const ButtonLook& look, const std::int32_t& vState);

// Draws the button in state (forced to 4 while Checked, in the caller's variable too) and
// returns the image to publish; the surface is cleared afterwards. If anything throws, the
// exception propagates and the surface is left as it was, so the caller keeps its old image.
std::shared_ptr<const Image> RedrawButton(Surface& surface, const ButtonLook& look, std::int32_t& state);

}  // namespace gloss
