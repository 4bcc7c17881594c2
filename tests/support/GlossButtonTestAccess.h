#pragma once
// Reaches into a GlossButton from unit tests: its private Redraw, and the raw values (-1 or 0) of
// its state flags.
#include <cstdint>

#include "glossbutton/GlossButton.h"
#include "glossbutton/render/DrawState.h"

namespace gloss {

class GlossButtonTestAccess {
 public:
  // In the 32-bit form the tests write; the forced state comes back the same way.
  static void Redraw(GlossButton& b, std::int32_t& state) {
    DrawState named{state};
    b.Redraw(named);
    state = ToInt32(named);
  }
  static std::int16_t RawChecked(const GlossButton& b) { return b.m_Checked; }
  static std::int16_t RawMouseOver(const GlossButton& b) { return b.m_MouseOver; }
  static std::int16_t RawFocused(const GlossButton& b) { return b.m_Focused; }
};

}  // namespace gloss
