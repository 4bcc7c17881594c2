#pragma once
// A ControlSite on a parent window, with line edits before and after it for Tab, driven through
// the parent's QWindow so that Qt routes the input (masks, enter and leave) as it does for a user.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

#include "glossbutton/PropertyBag.h"
#include "host/qt/ControlSite.h"
#include "tests/support/EventRecorder.h"

namespace sitetest {

// Records what the parent window itself is given, to see input fall through the button.
class ParentWindow : public QWidget {
 public:
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class SiteFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Reads bag (with userMode as given), shows the window and forgets what happened so far.
  void Load(const gloss::PropertyBag& bag = {}, bool userMode = true);

  QWindow* Win() const { return top->windowHandle(); }
  QPoint ToWin(QPoint inSite) const { return inSite + site->pos(); }
  void MoveTo(QPoint inSite) { QTest::mouseMove(Win(), ToWin(inSite)); }
  void MoveToWin(QPoint inWin) { QTest::mouseMove(Win(), inWin); }
  void Press(QPoint inSite, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(Win(), b, {}, ToWin(inSite)); }
  void Release(QPoint inSite, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(Win(), b, {}, ToWin(inSite)); }
  // Gives the site the keyboard focus through the window system.
  void FocusSite();

  std::shared_ptr<const gloss::Image> Image() const { return site->PublishedImage(); }
  std::uint32_t Pixel(int x, int y) const { return Image()->At(x, y); }
  std::vector<std::string> Events() const { return recorder.Events(); }
  std::vector<std::string> Draws() const { return recorder.Draws(); }

  std::unique_ptr<ParentWindow> top;
  QPointer<QLineEdit> before;
  QPointer<host::ControlSite> site;
  QPointer<QLineEdit> after;
  gloss::test::EventRecorder recorder;

  static const QPoint kCentre;
  static const QPoint kOutside;  // in window coordinates, away from the button
};

// A stored button of the given Style with its colours spelled out, so faces differ by state.
gloss::PropertyBag StyleBag(std::int32_t style, bool checked = false);

}  // namespace sitetest
