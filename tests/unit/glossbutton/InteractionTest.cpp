// Input notifications: the states drawn and the events raised, in order.
#include <gtest/gtest.h>

#include "tests/support/ControlFixture.h"
#include "tests/support/GlossButtonTestAccess.h"

namespace gloss {
namespace {

using Log = std::vector<std::string>;
using Access = GlossButtonTestAccess;
using platform::MK_LBUTTON;

struct InteractionTest : test::ControlFixture {
  void SetUp() override {
    PropertyBag bag;
    bag.WriteInt32("Style", 3);
    Load(bag);
  }
  void Press(std::int16_t b = 1) {
    button.MouseDown(b, 0, 5, 5);
    button.EnterFocus();
  }
  void Release(std::int16_t b = 1, float x = 5, float y = 5) { button.MouseUp(b, 0, x, y); }
};

TEST_F(InteractionTest, ClickOnTheButtonThenLeaveThenLoseFocus) {
  Move(5, 5);
  Press();
  Release();
  button.Click();
  Leave();
  button.ExitFocus();
  EXPECT_EQ(rec.log, (Log{"MouseMove 0 0 5 5", "MouseEnter", "draw 3",  // entering
                          "draw 1", "MouseDown 1 0 5 5",                // press; focus draws nothing
                          "draw 3", "MouseUp 1 0 5 5", "Click",         // release over it
                          "MouseLeave", "draw 2",                       // kept the focus
                          "draw 0"}));
  EXPECT_FALSE(button.MouseOver());
  EXPECT_FALSE(button.Focused());
}

TEST_F(InteractionTest, PressDragOutAndReleaseOutside) {
  Move(5, 5);
  Press();
  rec.Clear();
  Move(-1, 5, MK_LBUTTON);
  EXPECT_FALSE(button.MouseOver());
  Release(1, -1, 5);
  Leave();
  EXPECT_EQ(rec.log, (Log{"MouseMove 1 0 -1 5", "draw 0", "draw 2", "MouseUp 1 0 -1 5", "MouseLeave", "draw 2"}));
}

TEST_F(InteractionTest, DragOutAndBackInStaysUpUntilReleasedAndMovedAgain) {
  Move(5, 5);
  Press();
  Move(150, 5, MK_LBUTTON);
  rec.Clear();
  Move(50, 15, MK_LBUTTON);  // back over it, left button still held: the hook ignores the move
  EXPECT_EQ(rec.log, (Log{"MouseMove 1 0 50 15"}));
  Release(1, 50, 15);
  Move(51, 15);
  EXPECT_EQ(rec.log,
            (Log{"MouseMove 1 0 50 15", "draw 2", "MouseUp 1 0 50 15", "MouseMove 0 0 51 15", "MouseEnter", "draw 3"}));
}

TEST_F(InteractionTest, DoubleClickSequence) {
  Move(5, 5);
  rec.Clear();
  Press();
  Release();
  button.Click();
  button.DblClick();
  Release();
  EXPECT_EQ(rec.Draws(), (Log{"draw 1", "draw 3", "draw 1", "draw 3"}));
  EXPECT_EQ(rec.Events(), (Log{"MouseDown 1 0 5 5", "MouseUp 1 0 5 5", "Click", "DblClick", "MouseUp 1 0 5 5"}));
  // The double click draws before it raises.
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 5 5", "draw 3", "MouseUp 1 0 5 5", "Click", "draw 1", "DblClick",
                          "draw 3", "MouseUp 1 0 5 5"}));
}

TEST_F(InteractionTest, EnterKeyPressesAndReleasesWithoutClick) {
  button.KeyDown(13, 0);
  button.KeyUp(13, 0);  // focused, not hovering
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 0 0", "draw 2", "MouseUp 1 0 0 0"}));
  EXPECT_TRUE(button.Focused());

  Move(5, 5);
  rec.Clear();
  button.KeyDown(13, 4);
  button.KeyUp(13, 4);
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 0 0", "draw 3", "MouseUp 1 0 0 0"}));
}

TEST_F(InteractionTest, OtherKeysDoNothing) {
  for (std::int16_t key : {32, 27, 9, 10, 113, 0, -13}) {
    button.KeyDown(key, 0);
    button.KeyUp(key, 0);
  }
  EXPECT_TRUE(rec.log.empty());
  EXPECT_FALSE(button.Focused());
}

TEST_F(InteractionTest, CheckedButtonThroughEveryHandler) {
  button.SetChecked(true);
  Move(5, 5);
  Press();
  Release();
  button.Click();
  button.DblClick();
  Release();
  Move(-1, 5, MK_LBUTTON);
  Leave();
  button.ExitFocus();
  button.EnterFocus();
  button.Show();
  button.Resize();
  EXPECT_EQ(rec.log, (Log{"draw 4",                                     // SetChecked
                          "MouseMove 0 0 5 5", "MouseEnter", "draw 4",  // enter
                          "draw 4", "MouseDown 1 0 5 5",                // press, no offset state
                          "MouseUp 1 0 5 5", "Click",                   // release draws nothing
                          "draw 4", "DblClick", "MouseUp 1 0 5 5",      //
                          "MouseMove 1 0 -1 5", "draw 4",               // drag out
                          "MouseLeave",                                 // leave draws nothing
                          "draw 4",                                     // Show
                          "draw 4"}));                                  // Resize
}

TEST_F(InteractionTest, DragOutTestBoundaries) {
  Move(5, 5);
  rec.Clear();
  button.MouseMove(1, 0, 100, 30);  // on the right and bottom edge: still inside
  button.MouseMove(1, 0, 0, 0);
  EXPECT_TRUE(button.MouseOver());
  button.MouseMove(3, 0, -1, 5);   // left and right held
  button.MouseMove(2, 0, 101, 5);  // right only
  button.MouseMove(0, 0, 5, 31);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(rec.Draws(), Log{});

  for (auto [x, y] : {std::pair{100.5f, 5.0f}, {5.0f, 30.25f}, {-0.5f, 5.0f}, {5.0f, -0.01f}}) {
    Move(5, 5);
    rec.Clear();
    button.MouseMove(1, 0, x, y);
    EXPECT_FALSE(button.MouseOver()) << x << "," << y;
    EXPECT_EQ(rec.Draws(), Log{"draw 0"}) << x << "," << y;
  }
}

TEST_F(InteractionTest, DragOutUsesTheCurrentScaleSize) {
  host.scaleWidth = 40;
  button.MouseMove(1, 0, 40, 5);
  EXPECT_TRUE(rec.Draws().empty());
  button.MouseMove(1, 0, 41, 5);
  EXPECT_EQ(rec.Draws(), Log{"draw 0"});
}

TEST_F(InteractionTest, RightButtonPressesLikeTheLeft) {
  button.MouseDown(2, 0, 7, 8);
  EXPECT_TRUE(button.Focused());
  EXPECT_EQ(Access::RawFocused(button), -1);
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 2 0 7 8"}));
}

TEST_F(InteractionTest, ReleaseNeitherHoveringNorFocusedDrawsNothingButRaises) {
  Release(1, 3, 4);
  EXPECT_EQ(rec.log, (Log{"MouseUp 1 0 3 4"}));
}

TEST_F(InteractionTest, FocusChanges) {
  button.EnterFocus();
  button.ExitFocus();
  Move(5, 5);
  rec.Clear();
  button.EnterFocus();  // hovering: nothing drawn
  EXPECT_TRUE(button.Focused());
  button.ExitFocus();
  EXPECT_EQ(rec.log, (Log{"draw 0"}));
}

TEST_F(InteractionTest, ShowAndResizeDrawUp) {
  button.Show();
  button.Resize();
  EXPECT_EQ(rec.log, (Log{"draw 0", "draw 0"}));
}

TEST_F(InteractionTest, StatusIsNeverRaised) {
  Move(5, 5);
  Press();
  Release();
  button.Click();
  button.DblClick();
  button.KeyDown(13, 0);
  button.KeyUp(13, 0);
  Move(-5, -5, MK_LBUTTON);
  Leave();
  button.ExitFocus();
  ASSERT_FALSE(rec.log.empty());
  for (const auto& entry : rec.log) EXPECT_EQ(entry.rfind("Status", 0), std::string::npos) << entry;
}

TEST_F(InteractionTest, WithoutAListenerHandlersStillDraw) {
  button.SetEventListener(nullptr);
  button.MouseDown(1, 0, 1, 1);
  button.Click();
  button.MouseMove(1, 0, -1, 0);
  EXPECT_EQ(rec.log, (Log{"draw 1", "draw 0"}));
}

}  // namespace
}  // namespace gloss
