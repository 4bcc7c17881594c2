#pragma once
/// \file
/// What a GlossButton raises to the form that hosts it, in the control's declaration order.
/// Every call is synchronous; a handler may delete the control that raised it.
#include <cstdint>
#include <string>

namespace gloss {

/// The events a GlossButton raises, to one listener (GlossButton::SetEventListener). Each does
/// nothing unless overridden.
class GlossButtonEvents {
 public:
  virtual ~GlossButtonEvents() = default;  ///< Listeners are deleted through this interface.
  /// The Status event: declared by the control, never raised.
  virtual void OnStatus(const std::string& sStatus) { (void)sStatus; }
  /// A left press and release on the control's visible pixels (not the release that ends a
  /// double click).
  virtual void OnClick() {}
  virtual void OnDblClick() {}    ///< A double click of the left button.
  virtual void OnMouseEnter() {}  ///< The pointer came over the control.
  virtual void OnMouseLeave() {}  ///< The pointer left the control.
  /// @{
  /// The pointer moved, a button went up, a button went down. Button: mouse-button mask (1 left,
  /// 2 right, 4 middle); Shift: modifier mask; X, Y in pixels.
  virtual void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  virtual void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
  }
  /// @}
};

}  // namespace gloss
