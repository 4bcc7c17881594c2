#pragma once
// The face the glossy styles (2 to 6) draw for a button state.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

struct FaceBox {
  std::int32_t Colour = 0;
  std::int32_t W = 0;  // last column: CInt(width - 1)
  std::int32_t H = 0;  // last row: CInt(ScaleHeight - 1)
};

// The face colour for ButtonState and its extent: the hover face spans the surface, the others
// the control. False, with nothing worked out, for a state that draws no face.
bool GlossyFaceBox(const Surface& surface, const ButtonLook& look, std::int32_t ButtonState, FaceBox& box);

}  // namespace gloss
