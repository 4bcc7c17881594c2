// What the window does: dragging by its background, the music toggle and its pane, the two
// reload labels, the blinking contact line, minimise and close, from the mouse and the keyboard.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <vector>

#include "ProgramEnv.h"
#include "app/FormLabel.h"
#include "host/qt/ControlSite.h"

namespace {

const QString kPlayer = QStringLiteral("/songplayer/v2/360?lid=100014");
const QString kOff = QString::fromUtf8("开启音乐");
const QString kOn = QString::fromUtf8("关闭音乐");

class FormBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = &ProgramEnv::Get();
    form = &env->Form();
  }

  // A move of the real pointer: the form sees it relative to where the window is now.
  void MovePointer(QPoint global, Qt::MouseButtons buttons) {
    const QPointF local = global - form->pos();
    QMouseEvent move(QEvent::MouseMove, local, QPointF(global), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
  }
  void Press(QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF local = global - form->pos();
    QMouseEvent press(QEvent::MouseButtonPress, local, QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(form, &press);
  }
  void Release(QPoint global, Qt::MouseButton button) {
    const QPointF local = global - form->pos();
    QMouseEvent release(QEvent::MouseButtonRelease, local, QPointF(global), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form, &release);
  }
  bool WaitForPos(QPoint expected) {
    return QTest::qWaitFor([&] { return form->pos() == expected; }, 3000);
  }

  ProgramEnv* env = nullptr;
  app::Form1* form = nullptr;
};

TEST_F(FormBehaviourTest, LeftDragMovesTheWindowByThePointersTravel) {
  const QPoint start = form->pos();
  const QPoint grip = start + QPoint(400, 120);  // on the background
  Press(grip, Qt::LeftButton, Qt::LeftButton);
  EXPECT_FLOAT_EQ(form->DragStartX(), 6000.0f);
  EXPECT_FLOAT_EQ(form->DragStartY(), 1800.0f);
  MovePointer(grip + QPoint(10, 5), Qt::LeftButton);
  ASSERT_TRUE(WaitForPos(start + QPoint(10, 5))) << "at " << form->x() << "," << form->y();
  MovePointer(grip + QPoint(25, -3), Qt::LeftButton);
  ASSERT_TRUE(WaitForPos(start + QPoint(25, -3))) << "at " << form->x() << "," << form->y();
  Release(grip + QPoint(25, -3), Qt::LeftButton);
  form->move(start);
  ASSERT_TRUE(WaitForPos(start));
}

TEST_F(FormBehaviourTest, RightOrBothButtonsDoNotDragButThePressPointIsKept) {
  const QPoint start = form->pos();
  const QPoint grip = start + QPoint(410, 130);
  Press(grip, Qt::RightButton, Qt::RightButton);
  EXPECT_FLOAT_EQ(form->DragStartX(), 6150.0f);
  EXPECT_FLOAT_EQ(form->DragStartY(), 1950.0f);
  MovePointer(grip + QPoint(30, 20), Qt::RightButton);
  Release(grip + QPoint(30, 20), Qt::RightButton);

  Press(grip, Qt::LeftButton, Qt::LeftButton);
  MovePointer(grip + QPoint(30, 20), Qt::LeftButton | Qt::RightButton);
  MovePointer(grip + QPoint(40, 25), Qt::LeftButton | Qt::MiddleButton);
  Release(grip, Qt::LeftButton);
  QTest::qWait(200);
  EXPECT_EQ(form->pos(), start);
}

TEST_F(FormBehaviourTest, APressOnALabelIsNotADragStart) {
  const QPoint start = form->pos();
  Press(start + QPoint(420, 120), Qt::LeftButton, Qt::LeftButton);
  Release(start + QPoint(420, 120), Qt::LeftButton);
  QTest::mousePress(form->Label1(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(form->Label1(), QPoint(40, 9));
  QTest::mouseRelease(form->Label1(), Qt::LeftButton, {}, QPoint(40, 9));
  EXPECT_FLOAT_EQ(form->DragStartX(), 6300.0f);
  QTest::qWait(100);
  EXPECT_EQ(form->pos(), start);
}

TEST_F(FormBehaviourTest, MusicLabelTogglesCaptionAndPaneAndLoadsThePlayerOnEverySwitchOn) {
  app::WebPane* music = form->WebBrowser2();
  ASSERT_EQ(form->Label2()->Caption(), kOff);
  ASSERT_FALSE(music->Visible());
  EXPECT_TRUE(music->AudioMuted());
  EXPECT_FALSE(music->Page()->settings()->testAttribute(QWebEngineSettings::PlaybackRequiresUserGesture));
  const int before = env->Requests(kPlayer);

  QTest::mouseClick(form->Label2(), Qt::LeftButton);
  EXPECT_EQ(form->Label2()->Caption(), kOn);
  EXPECT_TRUE(music->isVisible());
  EXPECT_FALSE(music->AudioMuted());
  ASSERT_TRUE(QTest::qWaitFor([&] { return env->Requests(kPlayer) == before + 1; }, 10000));
  ASSERT_TRUE(WaitForPage(*music, env->Url(kPlayer)));
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Eval(music->Page(), "!document.getElementById('player').paused").toBool(); }, 10000))
      << "the player should start without a gesture";

  // Off hides, silences and puts the page away: it runs no more until music is on again.
  QTest::mouseClick(form->Label2(), Qt::LeftButton);
  EXPECT_EQ(form->Label2()->Caption(), kOff);
  EXPECT_FALSE(music->Visible());
  EXPECT_TRUE(music->AudioMuted());
  EXPECT_TRUE(music->Suspended());
  EXPECT_TRUE(QTest::qWaitFor([&] { return music->LocationURL() == QUrl("about:blank"); }, 5000));

  QTest::mouseClick(form->Label2(), Qt::LeftButton);
  EXPECT_TRUE(music->Visible());
  EXPECT_FALSE(music->AudioMuted());
  EXPECT_TRUE(QTest::qWaitFor([&] { return env->Requests(kPlayer) == before + 2; }, 10000))
      << "switching on again loads the player afresh";

  QTest::mouseClick(form->Label2(), Qt::LeftButton);
  EXPECT_FALSE(music->Visible());
  EXPECT_EQ(form->Label2()->Caption(), kOff);
}

TEST_F(FormBehaviourTest, CaptionAndPaneToggleIndependently) {
  app::WebPane* music = form->WebBrowser2();
  ASSERT_FALSE(music->Visible());
  form->Label2()->SetCaption(QStringLiteral("something else"));
  form->Label2_Click();
  EXPECT_EQ(form->Label2()->Caption(), kOff) << "any other text turns to the music-off caption";
  EXPECT_TRUE(music->Visible()) << "the pane alone decides: it was hidden, so music goes on";
  form->Label2_Click();
  EXPECT_EQ(form->Label2()->Caption(), kOn);
  EXPECT_FALSE(music->Visible());
  form->Label2()->SetCaption(kOff);
}

TEST_F(FormBehaviourTest, ReloadLabelsRefreshTheirPanes) {
  const int portal = env->Requests("/qqwap/");
  QTest::mouseClick(form->Label4(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return env->Requests("/qqwap/") == portal + 1; }, 10000));
  ASSERT_TRUE(WaitForPage(*form->WebBrowser1(), env->Url("/qqwap/")));

  // The music pane is refreshed while music is on; while it is off the page stays put away.
  form->Label2_Click();
  ASSERT_TRUE(WaitForPage(*form->WebBrowser2(), env->Url(kPlayer)));
  int player = env->Requests(kPlayer);
  QTest::mouseClick(form->Label3(), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return env->Requests(kPlayer) == player + 1; }, 10000));
  ASSERT_TRUE(WaitForPage(*form->WebBrowser2(), env->Url(kPlayer)));
  form->Label2_Click();
  ASSERT_FALSE(form->WebBrowser2()->Visible());
  player = env->Requests(kPlayer);
  QTest::mouseClick(form->Label3(), Qt::LeftButton);
  QTest::qWait(1000);
  EXPECT_EQ(env->Requests(kPlayer), player);
}

// Forms of their own: a first timer tick, panes without a document, minimise and close.
TEST(FreshFormTest, ContactLineTurnsGreenFirstThenAlternatesEvery500ms) {
  ProgramEnv& env = ProgramEnv::Get();
  QElapsedTimer clock;
  clock.start();
  QPointer<app::Form1> form(env.NewForm());
  EXPECT_EQ(form->Label1()->ForeColor(), 16711680);
  std::vector<std::pair<std::int32_t, qint64>> changes;
  std::int32_t last = form->Label1()->ForeColor();
  while (changes.size() < 3 && clock.elapsed() < 5000) {
    QTest::qWait(5);
    const std::int32_t now = form->Label1()->ForeColor();
    if (now != last) changes.emplace_back(now, clock.elapsed());
    last = now;
  }
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].first, 65280);
  EXPECT_EQ(changes[1].first, 16711680);
  EXPECT_EQ(changes[2].first, 65280);
  for (int i = 1; i < 3; ++i) {
    const qint64 gap = changes[i].second - changes[i - 1].second;
    EXPECT_GT(gap, 350) << "tick " << i;
    EXPECT_LT(gap, 800) << "tick " << i;
  }
  // The loop ends at the third change, well before the next tick.
  EXPECT_EQ(form->Label1()->palette().color(QPalette::WindowText), QColor(0, 255, 0)) << "shown green";
  delete form.data();
}

TEST(FreshFormTest, RefreshOfAPaneWithoutDocumentIsSkipped) {
  ProgramEnv& env = ProgramEnv::Get();
  QPointer<app::Form1> form(env.NewForm());
  ASSERT_TRUE(form->WebBrowser2()->LocationURL().isEmpty());
  const int player = env.Requests(kPlayer);
  EXPECT_NO_THROW(form->Label3_Click());
  QTest::qWait(300);
  EXPECT_EQ(env.Requests(kPlayer), player);
  EXPECT_TRUE(form->WebBrowser2()->LocationURL().isEmpty());
  delete form.data();
}

TEST(FreshFormTest, MinimiseButtonMinimisesAndCloseButtonDeletesTheForm) {
  ProgramEnv& env = ProgramEnv::Get();
  QPointer<app::Form1> form(env.NewForm());
  const QPoint centre(12, 12);
  QTest::mouseMove(form->GlossButton1(), centre);
  QTest::mouseClick(form->GlossButton1(), Qt::LeftButton, {}, centre);
  EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
  form->showNormal();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.data()));

  const int others = OtherWindows();
  QTest::mouseMove(form->GlossButton3(), centre);
  QTest::mouseClick(form->GlossButton3(), Qt::LeftButton, {}, centre);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 5000)) << "the form should delete itself";
  EXPECT_EQ(OtherWindows(), others);
  EXPECT_TRUE(ProgramEnv::Get().Form().isVisible()) << "other forms live on";
}

TEST(FreshFormTest, TabGoesLabelsThenButtonsAndSpaceOrEnterDoesWhatAClickDoes) {
  ProgramEnv& env = ProgramEnv::Get();
  QPointer<app::Form1> form(env.NewForm());
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
  // From the last stop of the portal on: the labels as they read, then the window's buttons
  // (the music pane between them is hidden while music is off).
  form->Label4()->setFocus(Qt::TabFocusReason);
  const std::vector<QWidget*> order = {form->Label2(), form->Label3(), form->GlossButton1(), form->GlossButton3()};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }

  // Each label: Space and Return each click it once; the music label's caption shows it.
  for (app::FormLabel* label : {form->Label4(), form->Label2(), form->Label3()}) {
    label->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(label, &app::FormLabel::Click);
    QTest::keyClick(label, Qt::Key_Space);
    if (label == form->Label2()) {
      EXPECT_EQ(label->Caption(), kOn);
    }
    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2) << label->objectName().toStdString();
  }
  EXPECT_EQ(form->Label2()->Caption(), kOff);
  EXPECT_FALSE(form->WebBrowser2()->Visible());

  form->GlossButton1()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->GlossButton1(), Qt::Key_Return);
  EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
  form->showNormal();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
  form->GlossButton3()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->GlossButton3(), Qt::Key_Space);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 5000)) << "Space on Close should close the form";
}

}  // namespace
