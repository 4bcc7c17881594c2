// The Win32 host under real input: a double click and the Enter key reach a hosted button as
// the same notifications, in the same order, as on the Qt host.
#include <gtest/gtest.h>

#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"
#include "tests/win32/Pump.h"

#include <string>
#include <vector>

#include "platform/win32/Win32Window.h"
#include "tests/support/EventRecorder.h"
#include "host/win32/ControlSite.h"

namespace {

using Strings = std::vector<std::string>;
constexpr int kLeft = 100, kTop = 100;  // the parent's place on the screen

struct HostInput : ::testing::Test {
  HWND parent = nullptr;
  std::unique_ptr<win32host::ControlSite> site;
  gloss::test::EventRecorder recorder;

  void SetUp() override {
    platform::win32::WindowPlacement place;
    place.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    place.x = kLeft;
    place.y = kTop;
    place.width = 300;
    place.height = 200;
    const platform::HWND p = platform::win32::CreateWindowIn(
        platform::MakeWindowProc([](platform::HWND h, platform::UINT m, platform::WPARAM w, platform::LPARAM l) {
          return platform::DefWindowProc(h, m, w, l);
        }),
        place);
    ASSERT_TRUE(p);
    parent = reinterpret_cast<HWND>(p);
    site = std::make_unique<win32host::ControlSite>(p, "GlossButton1", 0, 0, 100, 30);
    gloss::PropertyBag bag;
    bag.WriteInt32("Style", 3);
    site->ReadProperties(bag);
    site->ShowSite();
    recorder.Attach(site->Button());
    ::SetForegroundWindow(parent);
    Pump(100);
  }
  void TearDown() override {
    site.reset();
    if (parent) ::DestroyWindow(parent);
  }
  // Client point of the button to the screen.
  static void PointerTo(int x, int y) { ::SetCursorPos(kLeft + x, kTop + y); }
  static void Send(std::vector<INPUT> in) { ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT)); }
  static INPUT Mouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
  }
  static INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
  }
};

TEST_F(HostInput, DoubleClickIsPressReleaseClickDblClickRelease) {
  PointerTo(50, 15);
  ASSERT_TRUE(PumpUntil([&] { return site->Button().MouseOver(); })) << "the pointer never entered";
  recorder.Clear();
  Send(
      {Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
  const Strings want{"MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click", "DblClick", "MouseUp 1 0 50 15"};
  PumpUntil([&] { return recorder.Events().size() >= want.size(); });
  Pump(100);  // nothing more may follow
  EXPECT_EQ(recorder.Events(), want);
}

TEST_F(HostInput, EnterKeyPressesAndReleasesWithoutClick) {
  PointerTo(250, 150);  // over the parent, away from the button
  ::SetFocus(reinterpret_cast<HWND>(site->Hwnd()));
  ASSERT_TRUE(PumpUntil([&] {
    return ::GetFocus() == reinterpret_cast<HWND>(site->Hwnd()) && !site->Button().MouseOver();
  })) << "no focus, or the pointer never left";
  recorder.Clear();

  Send({Key(platform::VK_RETURN, false)});
  PumpUntil([&] { return !recorder.Events().empty(); });
  EXPECT_EQ(recorder.Events(), (Strings{"MouseDown 1 0 0 0"}));
  EXPECT_EQ(recorder.Draws(), (Strings{"draw 1"}));

  recorder.Clear();
  Send({Key(platform::VK_RETURN, true)});
  PumpUntil([&] { return !recorder.Events().empty(); });
  EXPECT_EQ(recorder.Events(), (Strings{"MouseUp 1 0 0 0"}));
  EXPECT_EQ(recorder.Draws(), (Strings{"draw 2"}));  // focused, not hovered
}

}  // namespace
