// Enter and leave as the hook reports them on the control's window.
#include <gtest/gtest.h>

#include "tests/support/ControlFixture.h"
#include "tests/support/GlossButtonTestAccess.h"

namespace gloss {
namespace {

using Log = std::vector<std::string>;
using Access = GlossButtonTestAccess;
using platform::MK_LBUTTON;
using platform::MK_RBUTTON;
using platform::MK_SHIFT;

struct TrackingTest : test::ControlFixture {
  void SetUp() override { Load(); }
};

TEST_F(TrackingTest, FirstMoveStrictlyInsideEntersOnce) {
  Move(0, 5);
  Move(5, 0);
  Move(100, 5);
  Move(5, 30);
  Move(-1, 5);
  Move(5, -7);
  EXPECT_EQ(LogWithoutMoves(), Log{});
  EXPECT_FALSE(button.MouseOver());

  Move(1, 1);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(Access::RawMouseOver(button), -1);
  Move(50, 20);
  Move(99, 29);
  EXPECT_EQ(LogWithoutMoves(), (Log{"MouseEnter", "draw 3"}));
  EXPECT_TRUE(platform::IsLeaveTracked(Hwnd()));
}

TEST_F(TrackingTest, LeftButtonAloneNeverEntersOtherButtonsDo) {
  Move(5, 5, MK_LBUTTON);
  Move(5, 5, MK_LBUTTON);
  EXPECT_EQ(LogWithoutMoves(), Log{});
  Move(5, 5, MK_RBUTTON);
  EXPECT_EQ(LogWithoutMoves(), (Log{"MouseEnter", "draw 3"}));

  Leave();
  rec.Clear();
  Move(5, 5, MK_LBUTTON | MK_SHIFT);  // left with shift still enters: the mask is not exactly the left button
  EXPECT_EQ(LogWithoutMoves(), (Log{"MouseEnter", "draw 3"}));
}

TEST_F(TrackingTest, LeaveDrawsFocusedOrUpAndEachEntryAsksForOneLeaveNotice) {
  Move(5, 5);
  Leave();
  Focus(true);
  Move(5, 5);
  Leave();
  EXPECT_EQ(LogWithoutMoves(), (Log{"MouseEnter", "draw 3", "MouseLeave", "draw 0", "draw 2", "MouseEnter", "draw 3",
                                    "MouseLeave", "draw 2"}));
  EXPECT_FALSE(platform::IsLeaveTracked(Hwnd()));  // each notice spent by its leave
}

TEST_F(TrackingTest, LeaveOnACheckedButtonRaisesButDoesNotDraw) {
  Move(5, 5);
  button.SetChecked(true);
  rec.Clear();
  Leave();
  EXPECT_EQ(rec.log, (Log{"MouseLeave"}));
  EXPECT_FALSE(button.MouseOver());
}

TEST_F(TrackingTest, LeaveAfterADragOutStillRaisesAndDraws) {
  Move(5, 5);
  Press();
  Move(-3, 5, MK_LBUTTON);
  rec.Clear();
  Leave();
  EXPECT_EQ(rec.log, (Log{"MouseLeave", "draw 2"}));
}

TEST_F(TrackingTest, OtherMessagesAreIgnored) {
  // A press reaches the window's procedure; the hook after it takes no part.
  PointerInside(true);
  Press();
  EXPECT_EQ(rec.Events(), (Log{"MouseDown 1 0 5 5"}));
  EXPECT_FALSE(button.MouseOver());
}

}  // namespace
}  // namespace gloss
