// Redraw: the one path by which the button changes its look.
#include "glossbutton/GlossButton.h"

namespace gloss {

void GlossButton::Redraw(std::int32_t& state) {
  // A checked button always shows the checked look; the caller sees the forced state too.
  if (m_Checked != VB_FALSE) state = 4;
  if (m_RedrawObserver) m_RedrawObserver(state);
  PaintAndPublish(state);
}

// Renderer, caption and picture, publishing and clearing: filled in when the drawing surface
// is wired to the control. Until then the published image does not change.
void GlossButton::PaintAndPublish(std::int32_t& /*state*/) {}

void GlossButton::ClearSurface() {}

}  // namespace gloss
