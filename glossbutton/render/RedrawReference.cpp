#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/ReferenceRenderers.h"

namespace gloss::reference {

std::shared_ptr<const Image> RedrawButton(Surface& s, const ButtonLook& look, std::int32_t& state) {
  if (look.Checked) state = ToInt32(DrawState::Checked);
  switch (look.Style) {
    case 0: reference::RenderStyle0(s, look, state); break;
    case 1: reference::RenderStyle1(s, look, state); break;
    case 2:
    case 3:
    case 4:
    case 5: reference::RenderStyleN(s, look, state); break;
    case 6: reference::RenderStyle6(s, look, state); break;
    default: break;
  }
  auto image = DrawIconWCaption(s, look, state);
  s.Clear();
  return image;
}

}  // namespace gloss::reference
