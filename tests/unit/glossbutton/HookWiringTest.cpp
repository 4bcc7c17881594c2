// The hook on the control's own window: when it goes on, what it watches, which leave service
// it uses, and that the window gets its previous procedure back.
#include <gtest/gtest.h>

#include <memory>

#include "hook/HookRecord.h"
#include "platform/Modules.h"
#include "tests/support/ControlFixture.h"
#include "tests/support/RecordingSinks.h"

namespace gloss {
namespace {

using platform::PackPointerPos;
using test::EventRecorder;
using test::RecordingHost;
using Log = std::vector<std::string>;

struct HookWiring : test::ControlFixture {
  platform::test::ScopedRecordingSinks sinks;
  const platform::WNDPROC original = window->Window().DefaultProcedure();

  void SetUp() override { platform::testhooks::ResetModules(); }
  void TearDown() override {
    window.reset();
    platform::testhooks::ResetModules();
  }
  platform::WNDPROC CurrentProc() const { return platform::GetWindowLong(Hwnd(), platform::GWL_WNDPROC); }
};

TEST_F(HookWiring, UserModeHooksTheWindowAfterItsOwnProcedure) {
  Load();
  EXPECT_TRUE(button.TrackingHooked());
  EXPECT_TRUE(button.CanTrackLeave());
  EXPECT_TRUE(button.TrackInUser32());
  EXPECT_NE(CurrentProc(), original);

  // Toolkit first, then the hook's enter; the leave request is armed on the window.
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5), "MouseEnter"}));
  EXPECT_TRUE(platform::IsLeaveTracked(Hwnd()));
  EXPECT_TRUE(sinks.log().entries.empty());
}

TEST_F(HookWiring, TerminateGivesTheWindowItsProcedureBack) {
  Load();
  window->Window().Terminate();
  EXPECT_FALSE(button.TrackingHooked());
  Move(5, 5);  // a released hook steps aside on the next message
  EXPECT_EQ(CurrentProc(), original);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5)}));
}

TEST(HookWiringAlone, DestroyedControlLeavesItsWindowWithItsPreviousProcedure) {
  // A control destroyed before its window, without Terminate: the hook still steps aside.
  RecordingHost host;  // a window of its own, on the plain default procedure
  const platform::WNDPROC original = platform::GetWindowLong(host.windowHandle, platform::GWL_WNDPROC);
  EventRecorder rec;
  auto button = std::make_unique<GlossButton>(host);
  rec.Attach(*button);
  button->ReadProperties(PropertyBag{});
  ASSERT_NE(platform::GetWindowLong(host.windowHandle, platform::GWL_WNDPROC), original);
  button.reset();
  platform::SetPointerInside(host.windowHandle, true);
  platform::SendMessage(host.windowHandle, platform::WM_MOUSEMOVE, 0, PackPointerPos(5, 5));
  EXPECT_EQ(platform::GetWindowLong(host.windowHandle, platform::GWL_WNDPROC), original);
  EXPECT_TRUE(rec.Events().empty());
}

TEST_F(HookWiring, DesignTimeInstallsNoHook) {
  host.userMode = false;
  Load();
  EXPECT_FALSE(button.TrackingHooked());
  EXPECT_EQ(CurrentProc(), original);
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5)}));
}

TEST_F(HookWiring, NoLeaveServiceMeansNoHook) {
  platform::testhooks::HideExport("User32", "TrackMouseEvent");
  platform::testhooks::HideExport("Comctl32", "_TrackMouseEvent");
  Load();
  EXPECT_FALSE(button.CanTrackLeave());
  EXPECT_FALSE(button.TrackingHooked());
  EXPECT_EQ(CurrentProc(), original);
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5)}));
  EXPECT_FALSE(button.MouseOver());
}

TEST_F(HookWiring, WithoutUser32sServiceTheCommonControlsOneIsUsed) {
  platform::testhooks::HideExport("User32", "TrackMouseEvent");
  Load();
  EXPECT_TRUE(button.CanTrackLeave());
  EXPECT_FALSE(button.TrackInUser32());
  EXPECT_TRUE(button.TrackingHooked());
  Move(5, 5);
  EXPECT_TRUE(platform::IsLeaveTracked(Hwnd()));
  // The module is loaded only for the request.
  EXPECT_EQ(platform::testhooks::LoadCount("Comctl32"), 0);

  rec.Clear();
  Leave();
  EXPECT_EQ(rec.Events(), (Log{"MouseLeave"}));
}

TEST_F(HookWiring, ReadingPropertiesTwiceKeepsOneHook) {
  Load();
  const auto hooked = CurrentProc();
  Load();
  EXPECT_EQ(CurrentProc(), hooked);
  EXPECT_TRUE(sinks.log().entries.empty());
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5), "MouseEnter"}));
}

}  // namespace
}  // namespace gloss
