#pragma once
// A control window on the stand-in platform for unit tests, as the program's hosts run it: the
// recording host serves the control, the visible pixels are the window's region inside the
// host's size, and a left press takes the focus (WM_SETFOCUS) before the control hears of it.
#include <memory>

#include "glossbutton/ControlWindow.h"
#include "tests/support/RecordingHost.h"

namespace gloss::test {

class TestControlWindow final : public ControlWindowHost {
 public:
  // Makes the window and points the host's WindowHandle at it.
  explicit TestControlWindow(RecordingHost& host);

  ControlWindow& Window() { return *m_Window; }
  GlossButton& Button() { return m_Window->Button(); }
  platform::HWND Hwnd() const { return m_Window->Hwnd(); }

  bool IsVisiblePixel(std::int32_t x, std::int32_t y) const override;
  void BeginLeftPress() override { SetFocus(true); }

  // The window gains (WM_SETFOCUS) or loses (WM_KILLFOCUS) the focus, when that is a change. A
  // handler may destroy this window meanwhile.
  void SetFocus(bool focused);

 private:
  RecordingHost& m_Host;
  std::unique_ptr<ControlWindow> m_Window;
  bool m_Focused = false;
};

}  // namespace gloss::test
