// The hook on the control's own window: when it goes on, what it watches, which leave service
// it uses, and that the window gets its previous procedure back.
#include <gtest/gtest.h>

#include <memory>

#include "glossbutton/GlossButton.h"
#include "hook/HookRecord.h"
#include "platform/Modules.h"
#include "platform/MouseLeave.h"
#include "platform/Window.h"
#include "tests/support/EventRecorder.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/RecordingSinks.h"
#include "tests/support/TestControlWindow.h"

namespace gloss {
namespace {

using platform::PackPointerPos;
using test::EventRecorder;
using test::RecordingHost;
using Log = std::vector<std::string>;

struct HookWiring : ::testing::Test {
  platform::test::ScopedRecordingSinks sinks;
  RecordingHost host;  // 100 x 30
  platform::WNDPROC original;
  EventRecorder rec;
  std::unique_ptr<test::TestControlWindow> window;
  GlossButton* button = nullptr;

  void SetUp() override {
    platform::testhooks::ResetModules();
    window = std::make_unique<test::TestControlWindow>(host);
    original = window->Window().DefaultProcedure();
    button = &window->Button();
    rec.Attach(*button);
  }
  void TearDown() override {
    window.reset();
    platform::testhooks::ResetModules();
  }
  void ReadProperties() { window->Window().ReadProperties(PropertyBag{}); }
  platform::WNDPROC CurrentProc() const { return platform::GetWindowLong(host.windowHandle, platform::GWL_WNDPROC); }
  void Move(int x, int y) {
    platform::SetPointerInside(host.windowHandle, true);
    platform::SendMessage(host.windowHandle, platform::WM_MOUSEMOVE, 0, PackPointerPos(x, y));
  }
};

TEST_F(HookWiring, UserModeHooksTheWindowAfterItsOwnProcedure) {
  ReadProperties();
  EXPECT_TRUE(button->TrackingHooked());
  EXPECT_TRUE(button->CanTrackLeave());
  EXPECT_TRUE(button->TrackInUser32());
  EXPECT_NE(CurrentProc(), original);

  // Toolkit first, then the hook's enter; the leave request is armed on the window.
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5), "MouseEnter"}));
  EXPECT_TRUE(platform::IsLeaveTracked(host.windowHandle));
  EXPECT_TRUE(sinks.log().entries.empty());
}

TEST_F(HookWiring, TerminateGivesTheWindowItsProcedureBack) {
  ReadProperties();
  button->Terminate();
  EXPECT_FALSE(button->TrackingHooked());
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
  ReadProperties();
  EXPECT_FALSE(button->TrackingHooked());
  EXPECT_EQ(CurrentProc(), original);
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5)}));
}

TEST_F(HookWiring, NoLeaveServiceMeansNoHook) {
  platform::testhooks::HideExport("User32", "TrackMouseEvent");
  platform::testhooks::HideExport("Comctl32", "_TrackMouseEvent");
  ReadProperties();
  EXPECT_FALSE(button->CanTrackLeave());
  EXPECT_FALSE(button->TrackingHooked());
  EXPECT_EQ(CurrentProc(), original);
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5)}));
  EXPECT_FALSE(button->MouseOver());
}

TEST_F(HookWiring, WithoutUser32sServiceTheCommonControlsOneIsUsed) {
  platform::testhooks::HideExport("User32", "TrackMouseEvent");
  ReadProperties();
  EXPECT_TRUE(button->CanTrackLeave());
  EXPECT_FALSE(button->TrackInUser32());
  EXPECT_TRUE(button->TrackingHooked());
  Move(5, 5);
  EXPECT_TRUE(platform::IsLeaveTracked(host.windowHandle));
  // The module is loaded only for the request.
  EXPECT_EQ(platform::testhooks::LoadCount("Comctl32"), 0);

  rec.Clear();
  platform::SetPointerInside(host.windowHandle, false);
  platform::DispatchPostedMessages();
  EXPECT_EQ(rec.Events(), (Log{"MouseLeave"}));
}

TEST_F(HookWiring, ReadingPropertiesTwiceKeepsOneHook) {
  ReadProperties();
  const auto hooked = CurrentProc();
  ReadProperties();
  EXPECT_EQ(CurrentProc(), hooked);
  EXPECT_TRUE(sinks.log().entries.empty());
  Move(5, 5);
  EXPECT_EQ(rec.Events(), (Log{EventRecorder::Mouse("MouseMove", 0, 0, 5, 5), "MouseEnter"}));
}

}  // namespace
}  // namespace gloss
