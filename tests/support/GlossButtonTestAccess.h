#pragma once
// Reaches the GlossButton's private seams from unit tests: Redraw, the hook's enter/leave
// handling and what the tracking stubs record.
#include <cstdint>

#include "glossbutton/GlossButton.h"

namespace gloss {

class GlossButtonTestAccess {
 public:
  // In the 32-bit form the tests write; the forced state comes back the same way.
  static void Redraw(GlossButton& b, std::int32_t& state) {
    DrawState named{state};
    b.Redraw(named);
    state = ToInt32(named);
  }
  static void UpdateShape(GlossButton& b) { b.UpdateShape(); }
  static void TrackedMouseMove(GlossButton& b, std::int32_t x, std::int32_t y, platform::WPARAM buttons) {
    b.HandleTrackedMouseMove(x, y, buttons);
  }
  static void MouseLeave(GlossButton& b) { b.HandleMouseLeave(); }
  static std::int32_t LeaveRequests(const GlossButton& b) { return b.m_LeaveRequests; }
  static std::int16_t RawChecked(const GlossButton& b) { return b.m_Checked; }
  static std::int16_t RawMouseOver(const GlossButton& b) { return b.m_MouseOver; }
  static std::int16_t RawFocused(const GlossButton& b) { return b.m_Focused; }
};

}  // namespace gloss
