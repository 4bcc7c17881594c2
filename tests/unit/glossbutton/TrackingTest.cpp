// Enter and leave as the hook reports them on the control's window.
#include <gtest/gtest.h>

#include "glossbutton/GlossButton.h"
#include "tests/support/EventRecorder.h"
#include "tests/support/GlossButtonTestAccess.h"
#include "tests/support/RecordingHost.h"

namespace gloss {
namespace {

using test::EventRecorder;
using test::RecordingHost;
using Log = std::vector<std::string>;
using Access = GlossButtonTestAccess;

constexpr platform::UINT WM_MOUSEMOVE = 0x200;
constexpr platform::UINT WM_MOUSELEAVE = 0x2A3;
constexpr platform::UINT WM_LBUTTONDOWN = 0x201;

platform::LPARAM Pack(int x, int y) {
  return static_cast<platform::LPARAM>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                       static_cast<std::uint16_t>(x));
}

struct TrackingTest : ::testing::Test {
  RecordingHost host;  // 100 x 30
  GlossButton button{host};
  EventRecorder rec;
  void SetUp() override {
    button.ReadProperties(PropertyBag{});
    rec.Attach(button);
  }
  void Move(int x, int y, platform::WPARAM keys = 0) { Access::HookMessage(button, WM_MOUSEMOVE, keys, Pack(x, y)); }
};

TEST_F(TrackingTest, FirstMoveStrictlyInsideEntersOnce) {
  Move(0, 5);
  Move(5, 0);
  Move(100, 5);
  Move(5, 30);
  Move(-1, 5);
  Move(5, -7);
  EXPECT_TRUE(rec.log.empty());
  EXPECT_FALSE(button.MouseOver());

  Move(1, 1);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(Access::RawMouseOver(button), -1);
  Move(50, 20);
  Move(99, 29);
  EXPECT_EQ(rec.log, (Log{"MouseEnter", "draw 3"}));
  EXPECT_EQ(Access::LeaveRequests(button), 1);
}

TEST_F(TrackingTest, LeftButtonAloneNeverEntersOtherButtonsDo) {
  Move(5, 5, 1);
  Move(5, 5, 1);
  EXPECT_TRUE(rec.log.empty());
  Move(5, 5, 2);
  EXPECT_EQ(rec.log, (Log{"MouseEnter", "draw 3"}));

  Access::HookMessage(button, WM_MOUSELEAVE, 0, 0);
  rec.Clear();
  Move(5, 5, 1 | 4);  // left with shift still enters: the mask is not exactly 1
  EXPECT_EQ(rec.log, (Log{"MouseEnter", "draw 3"}));
}

TEST_F(TrackingTest, LeaveDrawsFocusedOrUpAndEachEntryAsksForOneLeaveNotice) {
  Move(5, 5);
  Access::HookMessage(button, WM_MOUSELEAVE, 0, 0);
  button.EnterFocus();
  Move(5, 5);
  Access::HookMessage(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(rec.log, (Log{"MouseEnter", "draw 3", "MouseLeave", "draw 0", "draw 2", "MouseEnter", "draw 3",
                          "MouseLeave", "draw 2"}));
  EXPECT_EQ(Access::LeaveRequests(button), 2);
}

TEST_F(TrackingTest, LeaveOnACheckedButtonRaisesButDoesNotDraw) {
  Move(5, 5);
  button.SetChecked(true);
  rec.Clear();
  Access::HookMessage(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(rec.log, (Log{"MouseLeave"}));
  EXPECT_FALSE(button.MouseOver());
}

TEST_F(TrackingTest, LeaveAfterADragOutStillRaisesAndDraws) {
  Move(5, 5);
  button.MouseDown(1, 0, 5, 5);
  button.MouseMove(1, 0, -3, 5);
  rec.Clear();
  Access::HookMessage(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(rec.log, (Log{"MouseLeave", "draw 2"}));
}

TEST_F(TrackingTest, OtherMessagesAreIgnored) {
  Access::HookMessage(button, WM_LBUTTONDOWN, 1, Pack(5, 5));
  EXPECT_TRUE(rec.log.empty());
  EXPECT_FALSE(button.MouseOver());
}

}  // namespace
}  // namespace gloss
