#pragma once
// What a GlossButton raises to the form that hosts it, in the control's declaration order.
// Every call is synchronous; a handler may delete the control that raised it.
#include <cstdint>
#include <string>

namespace gloss {

class GlossButtonEvents {
 public:
  virtual ~GlossButtonEvents() = default;
  virtual void OnStatus(const std::string& sStatus) { (void)sStatus; }  // declared, never raised
  virtual void OnClick() {}
  virtual void OnDblClick() {}
  virtual void OnMouseEnter() {}
  virtual void OnMouseLeave() {}
  // Button: mouse-button mask (1 left, 2 right, 4 middle); Shift: modifier mask; X, Y in pixels.
  virtual void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
};

}  // namespace gloss
