#pragma once
// One GlossButton drawn off-screen as the program would show it: a control with the reading
// defaults, the options read as its stored properties, an optional scheme through the setter,
// its size given with the resize notification, and one redraw in the requested state.
#include <cstdint>
#include <vector>

#include "RenderOptions.h"
#include "glossbutton/render/Image.h"
#include "glossbutton/render/TextEngine.h"

namespace render_tool {

struct RenderedButton {
  gloss::Image image;      // the published image
  std::vector<bool> mask;  // image.width * image.height, row-major: inside the window's shape
};

RenderedButton RenderButton(const RenderOptions& options, gloss::TextEngine& text, gloss::PicturePtr picture);

}  // namespace render_tool
