// Input notifications: the states drawn and the events raised, in order, for the platform's
// messages sent through the control's window.
#include <gtest/gtest.h>

#include "platform/KeyState.h"
#include "tests/support/ControlFixture.h"
#include "tests/support/GlossButtonTestAccess.h"

namespace gloss {
namespace {

using Log = std::vector<std::string>;
using namespace platform;

struct InteractionTest : test::ControlFixture {
  void SetUp() override {
    PropertyBag bag;
    bag.WriteInt32("Style", 3);
    Load(bag);
  }
  // A key down and up; the key code as a 16-bit value, so that negative codes arrive as such.
  void Key(std::int16_t key) {
    Send(WM_KEYDOWN, static_cast<std::uint16_t>(key));
    Send(WM_KEYUP, static_cast<std::uint16_t>(key));
  }
  void DoubleClick() {
    Press();
    Release();
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 5);
    Release();
  }
};

TEST_F(InteractionTest, ClickOnTheButtonThenLeaveThenLoseFocus) {
  Move(5, 5);
  Press();
  Release();
  Leave();
  Focus(false);
  EXPECT_EQ(rec.log, (Log{"MouseMove 0 0 5 5", "MouseEnter", "draw 3",  // entering
                          "draw 1", "MouseDown 1 0 5 5",                // focus first draws nothing, then press
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
  Release(-1, 5);  // outside: no Click
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
  Release(50, 15);
  Move(51, 15);
  EXPECT_EQ(rec.log, (Log{"MouseMove 1 0 50 15", "draw 2", "MouseUp 1 0 50 15", "Click", "MouseMove 0 0 51 15",
                          "MouseEnter", "draw 3"}));
}

TEST_F(InteractionTest, DoubleClickDrawsBeforeItRaisesAndItsReleaseIsNoClick) {
  Move(5, 5);
  rec.Clear();
  DoubleClick();
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 5 5", "draw 3", "MouseUp 1 0 5 5", "Click", "draw 1", "DblClick",
                          "draw 3", "MouseUp 1 0 5 5"}));
}

TEST_F(InteractionTest, EnterKeyPressesAndReleasesWithoutClick) {
  Focus(true);
  rec.Clear();
  Key(VK_RETURN);  // focused, not hovering
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 0 0", "draw 2", "MouseUp 1 0 0 0"}));
  EXPECT_TRUE(button.Focused());

  Move(5, 5);
  rec.Clear();
  SetKeyDown(static_cast<int>(VK_MENU), true);  // the modifiers never reach the events
  Key(VK_RETURN);
  SetKeyDown(static_cast<int>(VK_MENU), false);
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 1 0 0 0", "draw 3", "MouseUp 1 0 0 0"}));
}

TEST_F(InteractionTest, OtherKeysDoNothing) {
  for (std::int16_t key : {32, 27, 9, 10, 113, 0, -13, 13 + 256}) Key(key);
  EXPECT_TRUE(rec.log.empty());
  EXPECT_FALSE(button.Focused());
}

TEST_F(InteractionTest, CheckedButtonThroughEveryHandler) {
  button.SetChecked(true);
  Move(5, 5);
  DoubleClick();
  Move(-1, 5, MK_LBUTTON);
  Leave();
  Focus(false);
  Focus(true);
  button.Show();
  button.Resize();
  EXPECT_EQ(rec.log, (Log{"draw 4",                                     // SetChecked
                          "MouseMove 0 0 5 5", "MouseEnter", "draw 4",  // enter
                          "draw 4", "MouseDown 1 0 5 5",                // press, no offset state
                          "MouseUp 1 0 5 5", "Click",                   // release draws nothing
                          "draw 4", "DblClick", "MouseUp 1 0 5 5",      //
                          "MouseMove 1 0 -1 5", "draw 4",               // drag out
                          "MouseLeave",                                 // leave and focus draw nothing
                          "draw 4",                                     // Show
                          "draw 4"}));                                  // Resize
}

TEST_F(InteractionTest, DragOutTestBoundaries) {
  Move(5, 5);
  rec.Clear();
  Send(WM_MOUSEMOVE, MK_LBUTTON, 100, 30);  // on the right and bottom edge: still inside
  Send(WM_MOUSEMOVE, MK_LBUTTON, 0, 0);
  EXPECT_TRUE(button.MouseOver());
  Send(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, -1, 5);  // left and right held
  Send(WM_MOUSEMOVE, MK_RBUTTON, 101, 5);              // right only
  Send(WM_MOUSEMOVE, 0, 5, 31);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(rec.Draws(), Log{});

  for (auto [x, y] : {std::pair{101, 5}, {5, 31}, {-1, 5}, {5, -1}}) {
    Move(5, 5);
    rec.Clear();
    Send(WM_MOUSEMOVE, MK_LBUTTON, x, y);
    EXPECT_FALSE(button.MouseOver()) << x << "," << y;
    EXPECT_EQ(rec.Draws(), Log{"draw 0"}) << x << "," << y;
  }
  // Messages hold whole pixels; a caller of MouseMove may give fractions, tested against the
  // same edges.
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
  Send(WM_MOUSEMOVE, MK_LBUTTON, 40, 5);
  EXPECT_TRUE(rec.Draws().empty());
  Send(WM_MOUSEMOVE, MK_LBUTTON, 41, 5);
  EXPECT_EQ(rec.Draws(), Log{"draw 0"});
}

TEST_F(InteractionTest, RightButtonPressesLikeTheLeftWithoutTheFocusStep) {
  Send(WM_RBUTTONDOWN, MK_RBUTTON, 7, 8);
  EXPECT_TRUE(button.Focused());
  EXPECT_EQ(GlossButtonTestAccess::RawFocused(button), -1);
  EXPECT_EQ(rec.log, (Log{"draw 1", "MouseDown 2 0 7 8"}));
}

TEST_F(InteractionTest, ReleaseNeitherHoveringNorFocusedDrawsNothingButRaises) {
  Release(3, 4);
  EXPECT_EQ(rec.log, (Log{"MouseUp 1 0 3 4"}));
}

TEST_F(InteractionTest, FocusChanges) {
  Focus(true);
  Focus(false);
  EXPECT_EQ(rec.log, (Log{"draw 2", "draw 0"}));
  Move(5, 5);
  rec.Clear();
  Focus(true);  // hovering: nothing drawn
  EXPECT_TRUE(button.Focused());
  Focus(false);
  EXPECT_EQ(rec.log, (Log{"draw 0"}));
}

TEST_F(InteractionTest, ShowAndResizeDrawUp) {
  button.Show();
  button.Resize();
  EXPECT_EQ(rec.log, (Log{"draw 0", "draw 0"}));
}

TEST_F(InteractionTest, StatusIsNeverRaised) {
  Move(5, 5);
  DoubleClick();
  Key(VK_RETURN);
  Move(-5, -5, MK_LBUTTON);
  Leave();
  Focus(false);
  ASSERT_FALSE(rec.log.empty());
  for (const auto& entry : rec.log) EXPECT_EQ(entry.rfind("Status", 0), std::string::npos) << entry;
}

TEST_F(InteractionTest, WithoutAListenerHandlersStillDraw) {
  button.SetEventListener(nullptr);
  Press(1, 1);
  Release(1, 1);
  Send(WM_MOUSEMOVE, MK_LBUTTON, -1, 0);
  EXPECT_EQ(rec.log, (Log{"draw 2", "draw 1", "draw 2", "draw 0"}));
}

}  // namespace
}  // namespace gloss
