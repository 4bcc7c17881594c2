#pragma once
// The control as every host runs it, for unit tests: a recording host, the control in its own
// window (TestControlWindow) and an event recorder. Input goes in as the platform's window
// messages, with its constants and point packing, through the window's procedure and the hook on
// it; the pointer comes and goes through the platform's mouse-leave service.
#include <gtest/gtest.h>

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
 protected:
  RecordingHost host;  // 100 x 30 pixels, user mode
  TestControlWindow window{host};
  GlossButton& button = window.Button();
  EventRecorder rec;

  // The control's second lifecycle step, then the recorder listening.
  void Load(const PropertyBag& bag = PropertyBag{}) {
    window.Window().ReadProperties(bag);
    rec.Attach(button);
  }
  platform::HWND Hwnd() const { return window.Hwnd(); }

  // uMsg with the key-state mask keys and the point (x, y), then whatever it posted.
  void Send(platform::UINT uMsg, platform::WPARAM keys = 0, int x = 0, int y = 0) {
    platform::SendMessage(Hwnd(), uMsg, keys, platform::PackPointerPos(x, y));
    platform::DispatchPostedMessages();
  }
  // The pointer moves to (x, y); over a visible pixel the host first reports it inside.
  void Move(int x, int y, platform::WPARAM keys = 0) {
    if (window.IsVisiblePixel(x, y)) PointerInside(true);
    Send(platform::WM_MOUSEMOVE, keys, x, y);
  }
  // The host reports the pointer inside or outside; going outside posts WM_MOUSELEAVE where the
  // control has asked for a leave notice.
  void PointerInside(bool inside) {
    platform::SetPointerInside(Hwnd(), inside);
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
};

}  // namespace gloss::test
