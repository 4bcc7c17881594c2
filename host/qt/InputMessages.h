#pragma once
// Qt input encoded as the platform's window messages, and the messages decoded back into the
// arguments the control's notifications take.
#include <cstdint>

#include <QPoint>
#include <QPointF>
#include <Qt>

#include "platform/WinTypes.h"

namespace host {

// Qt positions are fractional on scaled screens; the control works in whole pixels.
QPoint PixelOf(const QPointF& p);

// Key-state mask of a mouse message: the buttons held plus MK_SHIFT / MK_CONTROL.
platform::WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// Reports the modifier keys to the platform's key state, which the window procedure reads while
// it handles the input that follows (GetKeyState).
void ReportModifiers(Qt::KeyboardModifiers modifiers);

// WM_xBUTTONDOWN / UP / DBLCLK for one button; WM_NULL for a button the platform has no
// message for.
platform::UINT ButtonDownMessage(Qt::MouseButton button);
platform::UINT ButtonUpMessage(Qt::MouseButton button);
platform::UINT ButtonDblClkMessage(Qt::MouseButton button);

// A Qt key as a virtual-key code, 0 when it has none.
platform::WPARAM VirtualKey(int qtKey);

// The control's Shift argument (1 shift, 2 ctrl, 4 alt) from Qt's modifiers.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace host
