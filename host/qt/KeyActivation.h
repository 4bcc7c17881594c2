#pragma once
// KeyActivation: the keyboard's press of a push button, as Qt's own buttons take it. Space,
// Return or the keypad's Enter goes down while the widget has the focus and activates when that
// same key comes up again. A key held down (auto-repeat) activates once; Escape while the key is
// held, or losing the focus, cancels, so a press begun on one widget activates no other.
//
// The widget feeds it its key events and calls Cancel() when it loses the focus or is hidden.
class QKeyEvent;

namespace host {

class KeyActivation {
 public:
  // A key press on the focused widget. True when the event belongs to an activation (the key
  // that arms it, its repeats, or the Escape that cancels it): the widget keeps the event.
  bool Press(const QKeyEvent& event);
  // A key release. True once for the release that activates.
  bool Release(const QKeyEvent& event);
  void Cancel() { m_Key = 0; }
  bool Armed() const { return m_Key != 0; }

  // Is key one of those that activate (Space, Return, Enter)?
  static bool IsActivationKey(int key);

 private:
  int m_Key = 0;  // the Qt key that armed the activation, 0 for none
};

}  // namespace host
