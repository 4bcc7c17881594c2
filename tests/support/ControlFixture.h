#pragma once
// The control as every host runs it, for unit tests: a recording host, the control in its own
// window (TestControlWindow) and an event recorder. Input goes in as the platform's window
// messages, with its constants and point packing, through the window's procedure and the hook on
// it; the pointer comes and goes through the platform's mouse-leave service. A test may destroy
// the window (window.reset()); the handle then stays invalid and messages to it reach nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "glossbutton/PropertyBag.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"
#include "tests/support/EventRecorder.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestControlWindow.h"

namespace gloss::test {

class ControlFixture : public ::testing::Test {
 public:
  RecordingHost host;  // 100 x 30 pixels, user mode
  std::unique_ptr<TestControlWindow> window = std::make_unique<TestControlWindow>(host);
  GlossButton& button = window->Button();
  EventRecorder rec;  // listening from the start

  ControlFixture() { rec.Attach(button); }

  // The control's second lifecycle step.
  void Load(const PropertyBag& bag = PropertyBag{}) { window->Window().ReadProperties(bag); }
  void Init() { window->Window().InitProperties(); }
  platform::HWND Hwnd() const { return m_hWnd; }

  // uMsg with wParam (a key-state mask or a key) and the point (x, y), then whatever it posted.
  void Send(platform::UINT uMsg, platform::WPARAM wParam = 0, int x = 0, int y = 0) {
    platform::SendMessage(m_hWnd, uMsg, wParam, platform::PackPointerPos(x, y));
    platform::DispatchPostedMessages();
  }
  // The pointer moves to (x, y); over a visible pixel the host first reports it inside.
  void Move(int x, int y, platform::WPARAM keys = 0) {
    if (window && window->IsVisiblePixel(x, y)) PointerInside(true);
    Send(platform::WM_MOUSEMOVE, keys, x, y);
  }
  // The left button goes down (the window takes the focus first) and up at (x, y).
  void Press(int x = 5, int y = 5) { Send(platform::WM_LBUTTONDOWN, platform::MK_LBUTTON, x, y); }
  void Release(int x = 5, int y = 5) { Send(platform::WM_LBUTTONUP, 0, x, y); }
  void Focus(bool in) { window->SetFocus(in); }
  // The host reports the pointer inside or outside; going outside posts WM_MOUSELEAVE where the
  // control has asked for a leave notice.
  void PointerInside(bool inside) {
    platform::SetPointerInside(m_hWnd, inside);
    platform::DispatchPostedMessages();
  }
  void Leave() { PointerInside(false); }

  // The log without the MouseMove events every move raises.
  std::vector<std::string> LogWithoutMoves() const {
    std::vector<std::string> out;
    for (const std::string& entry : rec.log)
      if (entry.rfind("MouseMove", 0) != 0) out.push_back(entry);
    return out;
  }

 private:
  platform::HWND m_hWnd = window->Hwnd();
};

}  // namespace gloss::test
