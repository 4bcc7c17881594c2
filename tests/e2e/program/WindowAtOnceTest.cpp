// The window before the web engine: the panes join the window already on screen without Qt making
// its native window anew, in their places in the stacking order, and what the player did before
// they came (music on) is carried out; without the engine's helper the window still comes up, says
// so, and its close button ends the program with status 0; so it does without the module that holds
// the panes.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "ProgramEnv.h"
#include "app/FormLabel.h"
#include "app/Program.h"
#include "app/layout/Layout.h"

namespace {

TEST(WindowAtOnceTest, PanesJoinTheShownWindowAndCarryOutTheMusicSwitchedOnBefore) {
  ProgramEnv& env = ProgramEnv::Get();
  auto* form = new app::Form1(app::ParseLayout(app::StoredLayoutText()), env.Addresses());
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  const WId window = form->winId();
  EXPECT_EQ(form->WebBrowser1(), nullptr);
  const int playerLoads = env.Requests(QStringLiteral("/songplayer/v2/360?lid=100014"));

  QTest::mouseClick(form->Label2(), Qt::LeftButton);
  EXPECT_EQ(form->Label2()->Caption(), QString::fromUtf8(app::Form1::kMusicOnCaption));
  EXPECT_TRUE(form->Label2()->Checked());

  form->StartPanes();
  ASSERT_NE(form->WebBrowser2(), nullptr);
  EXPECT_EQ(form->winId(), window) << "the window was made anew when the panes came";
  EXPECT_TRUE(form->WebBrowser2()->Visible());
  EXPECT_TRUE(form->Label2()->Checked());
  EXPECT_TRUE(WaitForPage(*form->WebBrowser2(), env.Url(QStringLiteral("/songplayer/v2/360?lid=100014"))));
  EXPECT_EQ(env.Requests(QStringLiteral("/songplayer/v2/360?lid=100014")), playerLoads + 1);
  // Where the layout stacks them: the portal under the decoration strip, the music box on top.
  const QObjectList& children = form->children();
  EXPECT_LT(children.indexOf(form->WebBrowser1()), children.indexOf(form->Control("Picture1")));
  EXPECT_GT(children.indexOf(form->WebBrowser2()), children.indexOf(form->Control("GlossButton3")));
  form->close();
}

// The engine cannot start: its helper is missing, or the module with the panes is (the program
// copied alone elsewhere).
TEST(WindowAtOnceTest, WithoutTheEngineTheWindowComesUpSaysSoAndClosesWithStatusZero) {
  ProgramEnv::Get();
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  ASSERT_FALSE(xdotool.isEmpty());
  QTemporaryDir alone;
  ASSERT_TRUE(alone.isValid());
  const QString copied = alone.filePath(QStringLiteral("korvane"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_PROGRAM), copied));
  const struct {
    const char* name;
    QString program;
    QString helper;  // QTWEBENGINEPROCESS_PATH, when set
    const char* said;
  } cases[] = {
      {"helper missing", QStringLiteral(KORVANE_PROGRAM), QStringLiteral("/nonexistent/QtWebEngineProcess"),
       "web engine cannot start: its helper"},
      {"module missing", copied, QString(), "web engine cannot start: its module"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QProcess program;
    program.setProgram(c.program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!c.helper.isEmpty()) environment.insert(QStringLiteral("QTWEBENGINEPROCESS_PATH"), c.helper);
    program.setProcessEnvironment(environment);
    program.start();
    ASSERT_TRUE(program.waitForStarted(5000));
    QByteArray said;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (said += program.readAllStandardError()).contains(c.said); }, 20000))
        << "no line about the engine: " << said.toStdString();
    QTest::qWait(300);
    ASSERT_EQ(program.state(), QProcess::Running) << "the program ended without its engine";
    const QPoint close(603 + 488 + 12, 97 + 12);
    QProcess::execute(xdotool,
                      {"mousemove", QString::number(close.x()), QString::number(close.y()), "sleep", "0.3", "mousemove",
                       QString::number(close.x() + 1), QString::number(close.y()), "sleep", "0.2", "click", "1"});
    const bool ended = QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 10000);
    if (!ended) program.kill(), program.waitForFinished(3000);
    ASSERT_TRUE(ended) << "the close button did not end the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
  }
}

}  // namespace
