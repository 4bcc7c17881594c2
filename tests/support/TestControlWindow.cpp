#include "tests/support/TestControlWindow.h"

#include "platform/Regions.h"

namespace gloss::test {

TestControlWindow::TestControlWindow(RecordingHost& host) : m_Host(host) {
  m_Window = std::make_unique<ControlWindow>(m_Host, *this,
                                             [](platform::WNDPROC proc) { return platform::CreateWindow(proc); });
  m_Host.windowHandle = m_Window->Hwnd();
}

bool TestControlWindow::IsVisiblePixel(std::int32_t x, std::int32_t y) const {
  return x >= 0 && y >= 0 && x < m_Host.ScaleWidth() && y < m_Host.ScaleHeight() &&
         platform::PtInWindowRgn(m_Window->Hwnd(), x, y);
}

void TestControlWindow::SetFocus(bool focused) {
  if (focused == m_Focused) return;
  m_Focused = focused;
  platform::SendMessage(m_Window->Hwnd(), focused ? platform::WM_SETFOCUS : platform::WM_KILLFOCUS, 0, 0);
}

}  // namespace gloss::test
