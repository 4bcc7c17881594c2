// The desktop's media controls drive the music as the label does, in any order and at any rate:
// afterwards the label, the music pane and what the player reports agree.
#include <QWebEnginePage>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

#include "ProgramEnv.h"
#include "app/FormLabel.h"
#include "app/MprisPlayer.h"

namespace {

const QString kPlayer = QStringLiteral("/songplayer/v2/360?lid=100014");

TEST(MediaControlsTest, LabelPaneAndReportedStatusAgreeAfterAnyCalls) {
  ProgramEnv& env = ProgramEnv::Get();
  app::Form1& form = env.Form();
  static std::ostringstream said;  // read once the player looks for a bus
  auto* player = new app::MprisPlayer(&form, said);
  using P = app::MprisPlayer;
  const struct {
    const char* what;
    std::vector<void (P::*)()> calls;
    bool on;
    bool quiet = false;  // no request of the music page may follow
  } cases[] = {
      {"Pause, Stop and Next while off", {&P::Pause, &P::Stop, &P::Next}, false, true},
      {"Play", {&P::Play}, true},
      {"Play again", {&P::Play}, true},
      {"Next while on", {&P::Next}, true},
      {"PlayPause", {&P::PlayPause}, false},
      {"a hundred PlayPause", std::vector<void (P::*)()>(100, &P::PlayPause), false},
      {"a hundred and one", std::vector<void (P::*)()>(101, &P::PlayPause), true},
      {"Stop", {&P::Stop}, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int requests = env.Requests(kPlayer);
    for (auto call : c.calls) (player->*call)();
    QTest::qWait(200);
    EXPECT_EQ(player->MusicOn(), c.on);
    EXPECT_EQ(form.WebBrowser2()->Visible(), c.on);
    EXPECT_EQ(form.Label2()->Caption(),
              QString::fromUtf8(c.on ? app::Form1::kMusicOnCaption : app::Form1::kMusicOffCaption));
    EXPECT_EQ(form.Label2()->accessibleDescription(), c.on ? QStringLiteral("音乐：开") : QStringLiteral("音乐：关"));
    EXPECT_EQ(player->PlaybackStatus(), c.on ? "Playing" : "Stopped");
    EXPECT_EQ(player->CanGoNext(), c.on);
    if (c.quiet) {
      QTest::qWait(500);
      EXPECT_EQ(env.Requests(kPlayer), requests) << "music off loads nothing";
    }
  }
  // The title is the music page's once it is shown.
  player->Play();
  ASSERT_TRUE(WaitForPage(*form.WebBrowser2(), env.Url(kPlayer)));
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return player->Metadata().value("xesam:title").toString() == form.WebBrowser2()->Page()->title(); }, 5000));
  player->Stop();
  delete player;
}

}  // namespace
