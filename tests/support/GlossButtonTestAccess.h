#pragma once
// Reaches the GlossButton's private seams from unit tests: Redraw, and what the
// tracking records.
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
  static std::int32_t LeaveRequests(const GlossButton& b) { return b.m_LeaveRequests; }
  static std::int16_t RawChecked(const GlossButton& b) { return b.m_Checked; }
  static std::int16_t RawMouseOver(const GlossButton& b) { return b.m_MouseOver; }
  static std::int16_t RawFocused(const GlossButton& b) { return b.m_Focused; }
};

}  // namespace gloss
