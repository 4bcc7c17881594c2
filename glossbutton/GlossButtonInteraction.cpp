// The toolkit's keyboard, mouse and focus notifications: draw states and raised events.
// After every raise the listener may have deleted the control, so each Raise is checked.
#include "glossbutton/GlossButton.h"
#include "glossbutton/render/DrawState.h"

namespace gloss {

namespace {

constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kLeftButton = 1;

}  // namespace

void GlossButton::KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  if (KeyCode == kKeyEnter) MouseDown(kLeftButton, 0, 0.0f, 0.0f);
}

void GlossButton::KeyUp(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  if (KeyCode == kKeyEnter) MouseUp(kLeftButton, 0, 0.0f, 0.0f);
}

void GlossButton::Click() {
  Raise([](GlossButtonEvents& e) { e.OnClick(); });
}

void GlossButton::DblClick() {
  DrawState state = DrawState::Pressed;
  Redraw(state);
  Raise([](GlossButtonEvents& e) { e.OnDblClick(); });
}

void GlossButton::MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  m_Focused = VB_TRUE;
  DrawState state = DrawState::Pressed;
  Redraw(state);
  Raise([&](GlossButtonEvents& e) { e.OnMouseDown(Button, Shift, X, Y); });
}

void GlossButton::MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (!Raise([&](GlossButtonEvents& e) { e.OnMouseMove(Button, Shift, X, Y); })) return;

  // Dragged out with only the left button held: the hover look ends here; MouseLeave comes
  // later from the hook when the pointer leaves the window.
  const float width = m_Host.ScaleWidth();
  const float height = m_Host.ScaleHeight();
  const bool outside = X < 0.0f || X > width || Y < 0.0f || Y > height;
  if (outside && Button == kLeftButton) {
    m_MouseOver = VB_FALSE;
    DrawState state = DrawState::Up;
    Redraw(state);
  }
}

void GlossButton::MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  if (!Checked()) {
    if (MouseOver()) {
      DrawState state = DrawState::Hover;
      Redraw(state);
    } else if (Focused()) {
      DrawState state = DrawState::Focused;
      Redraw(state);
    }
  }
  Raise([&](GlossButtonEvents& e) { e.OnMouseUp(Button, Shift, X, Y); });
}

void GlossButton::EnterFocus() {
  m_Focused = VB_TRUE;
  if (!Checked() && !MouseOver()) {
    DrawState state = DrawState::Focused;
    Redraw(state);
  }
}

void GlossButton::ExitFocus() {
  m_Focused = VB_FALSE;
  if (!Checked()) {
    DrawState state = DrawState::Up;
    Redraw(state);
  }
}

void GlossButton::Resize() { UpdateShape(); }

void GlossButton::Show() {
  DrawState state = DrawState::Up;
  Redraw(state);
}

}  // namespace gloss
