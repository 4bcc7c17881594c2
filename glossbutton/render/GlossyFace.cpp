#include "glossbutton/render/GlossyFace.h"

#include "glossbutton/render/Numbers.h"

namespace gloss {

bool GlossyFaceBox(const Surface& s, const ButtonLook& look, std::int32_t ButtonState, FaceBox& box) {
  float width = look.ScaleWidth;
  switch (DrawState{ButtonState}) {
    case DrawState::Up:
    case DrawState::Focused: box.Colour = look.m_ColorButtonUp; break;
    case DrawState::Hover:
      box.Colour = look.m_ColorButtonHover;
      width = s.ScaleWidth();
      break;
    case DrawState::Pressed:
    case DrawState::Checked: box.Colour = look.m_ColorButtonDown; break;
    default: return false;
  }
  box.W = CInt32(static_cast<double>(width - 1.0f));
  box.H = CInt32(static_cast<double>(look.ScaleHeight - 1.0f));
  return true;
}

}  // namespace gloss
