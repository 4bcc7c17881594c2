#include "host/qt/KeyActivation.h"

#include <QKeyEvent>

namespace host {

namespace {

// Shift keeps the key what it is; with Ctrl, Alt or Meta it is a shortcut for something else.
bool Plain(const QKeyEvent& e) {
  return (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == Qt::NoModifier;
}

}  // namespace

bool KeyActivation::IsActivationKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool KeyActivation::Press(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Escape && Armed()) {
    Cancel();
    return true;
  }
  if (!IsActivationKey(key)) return false;
  if (Armed()) return key == m_Key;  // a repeat, or a second key while one is held: nothing new
  if (event.isAutoRepeat() || !Plain(event)) return false;
  m_Key = key;
  return true;
}

bool KeyActivation::Release(const QKeyEvent& event) {
  if (event.isAutoRepeat() || event.key() != m_Key || !Armed()) return false;
  m_Key = 0;
  return true;
}

}  // namespace host
