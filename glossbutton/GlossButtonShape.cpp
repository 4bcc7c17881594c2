// Window shape and surface size, rebuilt on resize and on a change of Style.
#include "glossbutton/GlossButton.h"

namespace gloss {

void GlossButton::UpdateShape() {
  // The rounded window region and the surface size are added here when the platform's regions
  // and the drawing surface are wired in; the redraw in the up state is already final.
  std::int32_t state = 0;
  Redraw(state);
}

}  // namespace gloss
