#pragma once
// The look a redraw asks for. It travels as a signed 32-bit value, by reference, from the
// control's Redraw through the renderers to DrawIconWCaption; DrawState names those values.
// Any other value is allowed and draws no face.
#include <cstdint>

namespace gloss {

enum class DrawState : std::int32_t {
  Up = 0,
  Pressed = 1,
  Focused = 2,
  Hover = 3,
  Checked = 4,  // what Redraw turns every state into while the button is checked
};

constexpr std::int32_t ToInt32(DrawState state) { return static_cast<std::int32_t>(state); }

// Lets the renderers, which keep the 32-bit form, compare with a name: ButtonState == DrawState::Hover.
constexpr bool operator==(std::int32_t value, DrawState state) { return value == ToInt32(state); }

}  // namespace gloss
