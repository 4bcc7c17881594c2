// Keyboard and focus on a hosted button: Enter presses without clicking, other keys do nothing,
// Tab moves the focus in and out; Space, Return and Enter activate the site (not the control).
#include <QApplication>
#include <QSignalSpy>

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

// One key event as the window system sends it to the focused widget.
struct Key {
  QEvent::Type type;
  Qt::Key key;
  bool repeat = false;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
constexpr QEvent::Type kDown = QEvent::KeyPress;
constexpr QEvent::Type kUp = QEvent::KeyRelease;
constexpr QEvent::Type kAway = QEvent::FocusOut;  // not a key: Tab away and back

TEST_F(KeyboardFocusTest, ActivationKeysActivateTheSiteOnceOnReleaseAndNeverClick) {
  struct Case {
    const char* what;
    std::vector<Key> keys;
    int activations;
  };
  const std::vector<Case> cases = {
      {"Space", {{kDown, Qt::Key_Space}, {kUp, Qt::Key_Space}}, 1},
      {"Return", {{kDown, Qt::Key_Return}, {kUp, Qt::Key_Return}}, 1},
      // X11's auto-repeat: release/press pairs marked as repeats, then the real release.
      {"held Space",
       {{kDown, Qt::Key_Space},
        {kUp, Qt::Key_Space, true},
        {kDown, Qt::Key_Space, true},
        {kUp, Qt::Key_Space, true},
        {kDown, Qt::Key_Space, true},
        {kUp, Qt::Key_Space}},
       1},
      {"Escape while held", {{kDown, Qt::Key_Return}, {kDown, Qt::Key_Escape}, {kUp, Qt::Key_Return}}, 0},
      {"release of another key", {{kDown, Qt::Key_Space}, {kUp, Qt::Key_Return}}, 0},
      {"Ctrl+Return", {{kDown, Qt::Key_Return, false, Qt::ControlModifier}, {kUp, Qt::Key_Return}}, 0},
      {"pressed here, released elsewhere", {{kDown, Qt::Key_Space}, {kAway, {}}, {kUp, Qt::Key_Space}}, 0},
  };
  Load(StyleBag(3));
  FocusSite();
  const auto awayAndBack = [this] {
    after->setFocus(Qt::TabFocusReason);
    site->setFocus(Qt::BacktabFocusReason);
  };
  for (const Case& c : cases) {
    awayAndBack();  // a key left down by the case before is forgotten
    QSignalSpy activated(site.data(), &GlossButtonWidget::activated);
    recorder.Clear();
    for (const Key& k : c.keys) {
      if (k.type == kAway) {
        awayAndBack();
        continue;
      }
      QKeyEvent e(k.type, k.key, k.modifiers, QString(), k.repeat);
      QApplication::sendEvent(site.data(), &e);
    }
    EXPECT_EQ(activated.count(), c.activations) << c.what;
    for (const std::string& event : Events()) EXPECT_NE(event, "Click") << c.what;
  }
}

TEST_F(KeyboardFocusTest, AHandlerMayDeleteTheSiteFromItsActivation) {
  Load(StyleBag(3));
  FocusSite();
  QObject::connect(site.data(), &GlossButtonWidget::activated, [this] { delete site.data(); });
  QTest::keyClick(site.data(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(site.isNull());
}

}  // namespace
}  // namespace sitetest
