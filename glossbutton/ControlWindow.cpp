#include "glossbutton/ControlWindow.h"

#include <exception>
#include <string>

#include "platform/EventLog.h"
#include "platform/KeyState.h"

namespace gloss {

using namespace platform;

ControlWindow::ControlWindow(ControlHost& host, ControlWindowHost& windowHost, const CreateWindowFunction& create)
    : m_WindowHost(windowHost), m_Button(std::make_unique<GlossButton>(host)), m_Alive(m_Button->Liveness()) {
  // The procedure may outlive this window (a hook keeps the procedure it chains to): it asks the
  // control's liveness first.
  m_Procedure = MakeWindowProc([this, alive = m_Alive](HWND h, UINT m, WPARAM w, LPARAM l) {
    if (alive.expired() || !m_Loaded) return DefWindowProc(h, m, w, l);
    return HandleMessage(h, m, w, l);
  });
  m_hWnd = create(m_Procedure);
  m_Button->Initialize();
}

ControlWindow::~ControlWindow() {
  // The control releases its hooks while its window still exists; once the control is gone its
  // liveness has expired, so no message reaches it before the window goes.
  if (!m_Terminated) {
    try {
      Terminate();
    } catch (const std::exception& e) {
      LogEvent(std::string("ControlWindow.Terminate: ") + e.what(), EVENTLOG_ERROR);
    }
  }
  m_Button.reset();
  if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void ControlWindow::Terminate() {
  m_Terminated = true;
  m_Button->Terminate();
}

void ControlWindow::InitProperties() {
  m_Button->InitProperties();
  m_Loaded = true;
}

void ControlWindow::ReadProperties(const PropertyBag& bag) {
  m_Button->ReadProperties(bag);
  m_Loaded = true;
}

LRESULT ControlWindow::HandleMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  GlossButton& b = *m_Button;
  const PointerPos at = UnpackPointerPos(lParam);
  const float x = static_cast<float>(at.x);
  const float y = static_cast<float>(at.y);

  switch (uMsg) {
    case WM_MOUSEMOVE: b.MouseMove(ButtonMaskFromKeyState(wParam), ShiftMaskFromKeyState(wParam), x, y); return 0;
    case WM_LBUTTONDOWN: LeftDown(ShiftMaskFromKeyState(wParam), x, y); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: b.MouseDown(ButtonOfMessage(uMsg), ShiftMaskFromKeyState(wParam), x, y); return 0;
    case WM_LBUTTONDBLCLK:
      m_LeftPressed = true;
      m_AfterDoubleClick = true;
      b.DblClick();
      return 0;
    case WM_LBUTTONUP: LeftUp(ShiftMaskFromKeyState(wParam), x, y); return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: b.MouseUp(ButtonOfMessage(uMsg), ShiftMaskFromKeyState(wParam), x, y); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && !m_EnterDown) EnterKey(true);
      b.KeyDown(static_cast<std::int16_t>(wParam), ModifierMask());
      return 0;
    case WM_KEYUP:
      if (wParam == VK_RETURN && m_EnterDown) EnterKey(false);
      b.KeyUp(static_cast<std::int16_t>(wParam), ModifierMask());
      return 0;
    case WM_SETFOCUS: b.EnterFocus(); return 0;
    case WM_KILLFOCUS: b.ExitFocus(); return 0;
    default: break;
  }
  LRESULT result = 0;
  if (m_WindowHost.HostMessage(uMsg, wParam, lParam, result)) return result;
  return DefWindowProc(hWnd, uMsg, wParam, lParam);
}

void ControlWindow::LeftDown(std::int16_t shift, float x, float y) {
  const std::weak_ptr<const void> alive = Alive();
  m_WindowHost.BeginLeftPress();
  if (alive.expired()) return;
  m_LeftPressed = true;
  m_AfterDoubleClick = false;
  m_WindowHost.PressedChanged();
  m_Button->MouseDown(1, shift, x, y);
}

void ControlWindow::LeftUp(std::int16_t shift, float x, float y) {
  // The message holds whole pixels of the control.
  const bool click = m_LeftPressed && !m_AfterDoubleClick &&
                     m_WindowHost.IsVisiblePixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
  m_LeftPressed = false;
  m_AfterDoubleClick = false;
  const std::weak_ptr<const void> alive = Alive();
  m_WindowHost.EndLeftPress();
  m_WindowHost.PressedChanged();
  if (alive.expired()) return;
  m_Button->MouseUp(1, shift, x, y);
  if (click && !alive.expired()) m_Button->Click();
}

void ControlWindow::EnterKey(bool down) {
  m_EnterDown = down;
  m_WindowHost.PressedChanged();
}

}  // namespace gloss
