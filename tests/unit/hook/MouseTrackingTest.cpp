// Finding the leave service, hooking for it, and one enter/leave round trip through the
// platform the way the control and its host use it.
#include "hook/MouseTracking.h"
#include "platform/Modules.h"
#include "platform/MouseLeave.h"
#include "tests/unit/hook/HookFixture.h"

namespace hooktest {
namespace {

class MouseTracking : public HookTest {
 protected:
  void TearDown() override {
    HookTest::TearDown();
    p::testhooks::ResetModules();
  }
  int Leaves() {
    int n = 0;
    for (const auto& t : trace) n += t == "P2A3";
    return n;
  }
};

TEST_F(MouseTracking, HasExportLoadsOnlyForTheQuestion) {
  EXPECT_TRUE(hook::HasExport("TrackMouseEvent", "User32"));
  EXPECT_TRUE(hook::HasExport("_TrackMouseEvent", "Comctl32"));
  EXPECT_EQ(p::GetModuleHandle("Comctl32"), 0u);  // unloaded again
  EXPECT_EQ(p::testhooks::LoadCount("Comctl32"), 0);
  EXPECT_TRUE(hook::HasExport("_TrackMouseEvent", "COMCTL32.DLL"));
  EXPECT_FALSE(hook::HasExport("_TrackMouseEvent", "User32"));
  EXPECT_FALSE(hook::HasExport("TrackMouseEvent", "NoSuchModule"));
}

TEST_F(MouseTracking, ServiceComesFromWhicheverModuleExportsIt) {
  hook::MouseTracker t;
  EXPECT_TRUE(t.DetectService());
  EXPECT_TRUE(t.TrackInUser32());
  p::testhooks::HideExport("User32", "TrackMouseEvent");
  EXPECT_TRUE(t.DetectService());
  EXPECT_FALSE(t.TrackInUser32());
  p::testhooks::HideExport("Comctl32", "_TrackMouseEvent");
  EXPECT_FALSE(t.DetectService());
}

TEST_F(MouseTracking, StartHooksAndWatchesMoveAndLeaveAfterTheWindow) {
  hook::MouseTracker t;
  EXPECT_TRUE(t.Start(*sc, hWnd));
  const hook::MessageTable after = *sc->TableOf(hWnd, hook::HOOK_AFTER);
  EXPECT_EQ(after[0], 2);
  EXPECT_EQ(after[1], static_cast<p::LONG>(p::WM_MOUSEMOVE));
  EXPECT_EQ(after[2], static_cast<p::LONG>(p::WM_MOUSELEAVE));
  EXPECT_EQ(sc->TableOf(hWnd, hook::HOOK_BEFORE)->at(0), 0);
  EXPECT_EQ(Send(p::WM_MOUSEMOVE), (Trace{"P200", "A200"}));
}

TEST_F(MouseTracking, WithoutServiceNothingIsHooked) {
  p::testhooks::HideExport("User32", "TrackMouseEvent");
  p::testhooks::HideExport("Comctl32", "_TrackMouseEvent");
  hook::MouseTracker t;
  EXPECT_FALSE(t.Start(*sc, hWnd));
  EXPECT_FALSE(sc->IsStarted());
  EXPECT_TRUE(WindowPointsAtOriginal());
  t.RequestLeaveNotice(hWnd);
  EXPECT_EQ(p::PostedMessageCount(), 0);
  EXPECT_TRUE(LogTexts().empty());
}

TEST_F(MouseTracking, LeaveRequestWorksThroughEitherModule) {
  for (bool hideUser32 : {false, true}) {
    if (hideUser32) p::testhooks::HideExport("User32", "TrackMouseEvent");
    hook::MouseTracker t;
    ASSERT_TRUE(t.DetectService());
    trace.clear();
    t.RequestLeaveNotice(hWnd);  // the pointer is outside: one leave at the next dispatch
    p::DispatchPostedMessages();
    EXPECT_EQ(Leaves(), 1) << hideUser32;
    p::DispatchPostedMessages();
    EXPECT_EQ(Leaves(), 1) << hideUser32;
    EXPECT_EQ(p::testhooks::LoadCount("Comctl32"), 0);
  }
}

// The host's order: pointer position, the input message, then posted messages. An owner that
// requests a leave notice on entering sees one leave per entry, after the window's own handling.
TEST_F(MouseTracking, EnterAndLeaveRoundTrip) {
  hook::MouseTracker t;
  ASSERT_TRUE(t.Start(*sc, hWnd));
  bool over = false;
  owner.action = [&](bool, bool&, p::LRESULT&, p::HWND h, p::UINT m, p::WPARAM, p::LPARAM l, p::LONG&) {
    if (m == p::WM_MOUSEMOVE && !over && p::GET_X_LPARAM(l) > 0 && p::GET_Y_LPARAM(l) > 0) {
      over = true;
      t.RequestLeaveNotice(h);
      trace.push_back("enter");
    } else if (m == p::WM_MOUSELEAVE) {
      over = false;
      trace.push_back("leave");
    }
  };
  auto input = [&](bool inside, int x, int y) {
    p::SetPointerInside(hWnd, inside);
    if (inside) p::SendMessage(hWnd, p::WM_MOUSEMOVE, 0, p::MAKELPARAM(x, y));
    p::DispatchPostedMessages();
  };
  trace.clear();
  input(true, 0, 5);   // column 0: no entry yet
  input(true, 3, 5);   // enters
  input(true, 4, 5);   // already over
  input(false, 0, 0);  // leaves
  input(true, 2, 2);   // enters again
  input(false, 0, 0);
  EXPECT_EQ(trace, (Trace{"P200", "A200", "P200", "A200", "enter", "P200", "A200", "P2A3", "A2A3", "leave", "P200",
                          "A200", "enter", "P2A3", "A2A3", "leave"}));
}

}  // namespace
}  // namespace hooktest
