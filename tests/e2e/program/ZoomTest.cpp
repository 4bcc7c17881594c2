// The portal's zoom from the keyboard and the wheel, in the steps browsers use and within their
// limits, kept across the portal's pages and across runs; the music box keeps its own.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

#include "ProgramEnv.h"
#include "app/webpane/PaneOverlay.h"
#include "app/WindowSettings.h"
#include "app/webpane/PaneZoom.h"

namespace {

TEST(ZoomTest, KeysAndWheelStepThePortalsZoomWithinItsLimits) {
  ProgramEnv& env = ProgramEnv::Get();
  app::Form1& form = env.Form();
  app::WebPane* portal = form.WebBrowser1();
  auto* zoom = portal->findChild<app::PaneZoom*>();
  ASSERT_NE(zoom, nullptr);
  form.activateWindow();
  QWindow* window = form.windowHandle();
  QWidget* input = portal->View()->focusProxy();
  ASSERT_NE(input, nullptr);
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    return [=] { QTest::keyClick(window, k, m); };
  };
  const auto wheel = [&](int delta) {
    return [=] {
      QWheelEvent event(QPointF(50, 50), QPointF(input->mapToGlobal(QPoint(50, 50))), QPoint(), QPoint(0, delta),
                        Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(input, &event);
    };
  };
  const struct {
    const char* what;
    std::function<void()> act;
    int times;
    double factor;
  } steps[] = {
      {"Ctrl =", key(Qt::Key_Equal), 1, 1.1},
      {"Ctrl +", key(Qt::Key_Plus), 1, 1.25},
      {"Ctrl -", key(Qt::Key_Minus), 1, 1.1},
      {"Ctrl 0", key(Qt::Key_0), 1, 1.0},
      {"down to the smallest and no further", key(Qt::Key_Minus), 9, 0.5},
      {"wheel: a notch a step", wheel(120), 2, 0.75},
      {"wheel: half notches add up", wheel(60), 3, 0.8},
      {"up to the largest and no further", key(Qt::Key_Plus), 14, 3.0},
      {"plain Ctrl 0 again", key(Qt::Key_0), 1, 1.0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    for (int i = 0; i < s.times; ++i) s.act();
    EXPECT_DOUBLE_EQ(zoom->Factor(), s.factor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return qFuzzyCompare(portal->Page()->zoomFactor(), s.factor); }, 2000));
    ASSERT_NE(portal->Note(), nullptr);
    EXPECT_EQ(portal->Note()->Text(), QStringLiteral("缩放 %1%").arg(qRound(s.factor * 100)));
  }
  // Kept on the portal's next page; the music box is not zoomed.
  key(Qt::Key_Plus)();
  ASSERT_TRUE(Load(*portal, env.Url("/qqwap/game/1")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return qFuzzyCompare(portal->Page()->zoomFactor(), 1.1); }, 2000));
  EXPECT_DOUBLE_EQ(form.WebBrowser2()->Page()->zoomFactor(), 1.0);
  key(Qt::Key_0)();
  ASSERT_TRUE(Load(*portal, env.Url("/qqwap/")));

  // Kept across runs: a kept zoom is taken at start and every change is written.
  QTemporaryDir dir;
  const QString file = dir.filePath("Korvane.conf");
  QSettings(file, QSettings::IniFormat).setValue("zoom", 1.5);
  QWidget other;
  std::ostringstream said;
  (new app::WindowSettings(&other, file, said))->KeepZoom(zoom);
  EXPECT_DOUBLE_EQ(zoom->Factor(), 1.5);
  key(Qt::Key_Plus)();
  EXPECT_DOUBLE_EQ(QSettings(file, QSettings::IniFormat).value("zoom").toDouble(), 1.75);
  key(Qt::Key_0)();
}

}  // namespace
