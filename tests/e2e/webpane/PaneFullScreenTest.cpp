// A game page in a pane that lets it play: fullscreen only from a click, Esc, F11 and the page's
// own exit leave it and give the pane back, a page that asks on and on cannot keep it, and the
// pointer is locked only right after a click.
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "FlakyServer.h"
#include "Harness.h"
#include "app/webpane/PaneFullScreen.h"
#include "app/webpane/PaneOverlay.h"

using app::PaneFullScreen;
using app::WebPane;

namespace {

const char* const kGame =
    "<title>game</title><body style='margin:0'>"
    "<canvas id=c width=300 height=300 style='display:block;background:#080'></canvas><script>"
    "window.entered=0;window.refused=0;window.locks=0;window.lockErrors=0;window.downs=0;"
    "addEventListener('mousedown',function(){downs++},true);"
    "var c=document.getElementById('c');"
    "c.onclick=function(){if(window.wantLock){c.requestPointerLock();return;}"
    "document.documentElement.requestFullscreen().then(function(){entered++},function(){refused++});};"
    "document.addEventListener('pointerlockchange',function(){if(document.pointerLockElement)locks++;});"
    "document.addEventListener('pointerlockerror',function(){lockErrors++;});"
    "</script>";

class PaneFullScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        Harness::Get();
        ASSERT_TRUE(server.Up());
        server.Page("/game", kGame);
        host = std::make_unique<QWidget>();
        host->setGeometry(40, 30, 300, 300);
        pane = new WebPane(host.get());
        pane->setGeometry(0, 0, 300, 300);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        host->activateWindow();
        ASSERT_TRUE(Load(*pane, server.Url("/game")));
    }
    // The X server's own pointer and keyboard (xdotool), as the player's input arrives; the
    // program runs meanwhile.
    static void Xdotool(const QStringList& args) {
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), args);
        ASSERT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 5000));
    }
    // Clicked again when the page did not get it (a window just shown may miss the first).
    void Click(QWebEngineView* view) {
        const QPoint at = view->mapToGlobal(QPoint(150, 150));
        const QString x = QString::number(at.x()), y = QString::number(at.y());
        const int downs = Count("downs");
        for (int tries = 0; tries < 3 && Count("downs") == downs; ++tries) {
            Xdotool({"mousemove", x, y, "sleep", "0.3", "mousemove", QString::number(at.x() + 1), y, "sleep", "0.2",
                     "click", "1"});
            QTest::qWaitFor([&] { return Count("downs") > downs; }, 1000);
        }
    }
    static void Key(const char* name) { Xdotool({"key", QString::fromLatin1(name)}); }
    int Count(const char* name) { return Eval(pane->Page(), name).toInt(); }
    bool PageFullScreen() { return Eval(pane->Page(), "document.fullscreenElement!==null").toBool(); }

    FlakyServer server;
    std::unique_ptr<QWidget> host;
    WebPane* pane = nullptr;
};

TEST_F(PaneFullScreenTest, AClickEntersAndEveryWayOutGivesThePaneBackAtOnce) {
    // Without a handler the pane refuses, as the music box does.
    Click(pane->View());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("refused") == 1; }, 5000));

    auto* play = new PaneFullScreen(pane);
    const QRect before = host->geometry();
    Eval(pane->Page(), "document.documentElement.requestFullscreen().catch(function(){refused++})");
    QTest::qWait(300);
    EXPECT_EQ(Count("refused"), 2) << "entered without a click of the player";
    EXPECT_FALSE(play->Active());

    const struct {
        const char* way;
        std::function<void()> leave;
    } ways[] = {
        {"Esc", [&] { Key("Escape"); }},
        {"F11", [&] { Key("F11"); }},
        {"the page's own exit", [&] { Eval(pane->Page(), "document.exitFullscreen()"); }},
    };
    int entered = 0;
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        QTest::qWait(PaneFullScreen::kAfterLeaveMs);
        Click(pane->View());
        ASSERT_TRUE(QTest::qWaitFor([&] { return play->Active() && Count("entered") == entered + 1; }, 5000));
        ++entered;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(play->Window()));
        EXPECT_EQ(play->Window()->geometry(), host->screen()->geometry());
        EXPECT_TRUE(PageFullScreen());
        auto* note = play->Window()->findChild<app::PaneOverlay*>("full-screen-note");
        EXPECT_TRUE(note && note->isVisible() && note->Text().contains("Esc"));

        w.leave();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !play->Active(); }, 3000));
        EXPECT_EQ(pane->View()->page(), pane->Page());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !PageFullScreen(); }, 3000));
        EXPECT_EQ(host->geometry(), before);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pane->View()->focusProxy()->hasFocus(); }, 3000));
    }
}

TEST_F(PaneFullScreenTest, APageThatAsksOnAndOnCannotKeepThePlayerIn) {
    auto* play = new PaneFullScreen(pane);
    // Asks again as soon as it is left, and on a timer besides.
    Eval(pane->Page(),
         "document.onfullscreenchange=function(){if(!document.fullscreenElement)"
         "document.documentElement.requestFullscreen().catch(function(){refused++});};"
         "setInterval(function(){document.documentElement.requestFullscreen().catch(function(){refused++})},50);");
    Click(pane->View());
    ASSERT_TRUE(QTest::qWaitFor([&] { return play->Active(); }, 5000));
    Key("Escape");
    EXPECT_FALSE(play->Active());  // one press, at once
    QTest::qWait(1500);
    EXPECT_FALSE(play->Active());
    EXPECT_FALSE(PageFullScreen());
    EXPECT_GT(Count("refused"), 5);
}

TEST_F(PaneFullScreenTest, ThePointerIsLockedOnlyRightAfterAClick) {
    new PaneFullScreen(pane);
    Eval(pane->Page(), "window.wantLock=true");
    Click(pane->View());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("locks") == 1; }, 5000));
    Key("Escape");  // the player lets go
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Eval(pane->Page(), "!!document.pointerLockElement").toBool(); }, 3000));
    QTest::qWait(PaneFullScreen::kGestureMs + 200);
    Eval(pane->Page(), "c.requestPointerLock()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Count("lockErrors") == 1; }, 5000));
    EXPECT_EQ(Count("locks"), 1);
}

}  // namespace
