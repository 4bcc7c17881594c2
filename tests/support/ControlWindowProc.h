#pragma once
// The toolkit's side of a control's window for unit tests: a default window procedure that
// raises the control's notifications from the messages it receives, as the Qt site does.
//   WM_MOUSEMOVE -> MouseMove; WM_xBUTTONDOWN -> MouseDown; WM_xBUTTONUP -> MouseUp, and for the
//   left button released after a press on the same window, Click; WM_LBUTTONDBLCLK -> DblClick;
//   WM_SETFOCUS / WM_KILLFOCUS -> EnterFocus / ExitFocus; WM_KEYDOWN / WM_KEYUP -> KeyDown / KeyUp.
#include <memory>

#include "glossbutton/GlossButton.h"
#include "platform/Window.h"

namespace gloss::test {

// Where the procedure finds its control; set it to null once the control is destroyed.
using ControlSlot = std::shared_ptr<GlossButton*>;

// Makes the procedure and installs it as hWnd's procedure (before any hook goes on).
platform::WNDPROC InstallControlWindowProc(platform::HWND hWnd, ControlSlot slot);

}  // namespace gloss::test
