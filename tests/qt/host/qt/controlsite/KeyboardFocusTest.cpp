// Keyboard and focus on a hosted button: Enter presses without clicking, other keys do nothing,
// Tab moves the focus in and out.
#include <QApplication>

#include "SiteFixture.h"

namespace sitetest {
namespace {

using Strings = std::vector<std::string>;

class KeyboardFocusTest : public SiteFixture {};

TEST_F(KeyboardFocusTest, EnterKeyPressesAndReleasesWithoutClick) {
  Load(StyleBag(3));
  FocusSite();
  recorder.Clear();

  QTest::keyPress(site.data(), Qt::Key_Return);
  EXPECT_EQ(Events(), (Strings{"MouseDown 1 0 0 0"}));
  EXPECT_EQ(Draws(), (Strings{"draw 1"}));

  recorder.Clear();
  QTest::keyRelease(site.data(), Qt::Key_Return);
  EXPECT_EQ(Events(), (Strings{"MouseUp 1 0 0 0"}));
  EXPECT_EQ(Draws(), (Strings{"draw 2"}));  // focused, not hovered
}

TEST_F(KeyboardFocusTest, EnterWhileHoveringReturnsToTheHoverFace) {
  Load(StyleBag(3));
  FocusSite();
  MoveTo(kCentre);
  recorder.Clear();

  QTest::keyClick(site.data(), Qt::Key_Enter);  // the keypad's Enter counts as well
  EXPECT_EQ(Events(), (Strings{"MouseDown 1 0 0 0", "MouseUp 1 0 0 0"}));
  EXPECT_EQ(Draws(), (Strings{"draw 1", "draw 3"}));
}

TEST_F(KeyboardFocusTest, OtherKeysChangeNothing) {
  Load(StyleBag(3));
  FocusSite();
  recorder.Clear();
  for (Qt::Key k : {Qt::Key_Space, Qt::Key_Escape, Qt::Key_A, Qt::Key_Left, Qt::Key_F5})
    QTest::keyClick(site.data(), k);
  EXPECT_TRUE(Events().empty());
  EXPECT_TRUE(Draws().empty());
}

TEST_F(KeyboardFocusTest, TabMovesFocusInAndOut) {
  Load(StyleBag(0));  // Style 0 draws a frame for the focus
  const auto upFace = Image();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top.get()));
  before->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  recorder.Clear();

  QTest::keyClick(before.data(), Qt::Key_Tab);
  ASSERT_TRUE(site->hasFocus());
  EXPECT_TRUE(site->Button().Focused());
  EXPECT_EQ(Draws(), (Strings{"draw 2"}));
  const auto focusedFace = Image();
  EXPECT_NE(*focusedFace, *upFace);

  recorder.Clear();
  QTest::keyClick(site.data(), Qt::Key_Tab);
  EXPECT_TRUE(after->hasFocus());
  EXPECT_FALSE(site->Button().Focused());
  EXPECT_EQ(Draws(), (Strings{"draw 0"}));
  EXPECT_EQ(*Image(), *upFace);
  EXPECT_TRUE(Events().empty());  // focus changes raise no events
}

TEST_F(KeyboardFocusTest, LeavingAFocusedButtonShowsTheFocusedFace) {
  Load(StyleBag(3));
  FocusSite();
  MoveTo(kCentre);
  recorder.Clear();
  MoveToWin(kOutside);
  EXPECT_EQ(Events(), (Strings{"MouseLeave"}));
  EXPECT_EQ(Draws(), (Strings{"draw 2"}));
}

}  // namespace
}  // namespace sitetest
