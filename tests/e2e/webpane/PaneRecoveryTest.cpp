// What a page or the network can do to a pane, against FlakyServer: dialog loops, navigations to
// local schemes, window storms, killed renderers, a server that is down, console floods, and the
// requests and goodbyes a page makes.
#include <QApplication>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <csignal>

#include "FlakyServer.h"
#include "Harness.h"
#include "app/webpane/PaneOverlay.h"
#include "app/webpane/PanePage.h"

using app::PaneOverlay;
using app::WebPane;

namespace {

// Every warning of the program while it lives.
class LogCapture {
public:
    LogCapture() : m_Previous(qInstallMessageHandler(&LogCapture::Keep)) { Lines().clear(); }
    ~LogCapture() { qInstallMessageHandler(m_Previous); }
    static int Count(const QString& part) { return int(Lines().filter(part).size()); }

private:
    static QStringList& Lines() {
        static QStringList lines;
        return lines;
    }
    static void Keep(QtMsgType, const QMessageLogContext&, const QString& line) { Lines() << line; }
    QtMessageHandler m_Previous;
};

// Waits running the event loop itself: QTest's waits sleep between rounds, and a page that sends
// the program thousands of messages would be slowed by the test, not by the program.
QVariant Settle(QWebEnginePage* page, const QString& js, int ms = 15000) {
    QEventLoop loop;
    QVariant value;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    page->runJavaScript(js, [&](const QVariant& v) {
        value = v;
        loop.quit();
    });
    loop.exec();
    return value;
}

void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class PaneRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Harness::Get();
        ASSERT_TRUE(server.Up());
        server.Page("/start", "<title>start</title><p>start");
        server.Page("/home", "<title>home</title><p>home");
        host = std::make_unique<QWidget>();
        host->resize(300, 300);
        pane = new WebPane(host.get());
        pane->setGeometry(0, 0, 300, 300);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }
    bool Open(const QString& path) { return Load(*pane, server.Url(path)); }
    bool Shows(const QString& path, int ms = 10000) {
        return QTest::qWaitFor(
            [&] { return pane->LocationURL() == server.Url(path) && !pane->Page()->isLoading() && !pane->Failed(); },
            ms);
    }

    FlakyServer server;
    std::unique_ptr<QWidget> host;  // the pane's window
    WebPane* pane = nullptr;
};

TEST_F(PaneRecoveryTest, DialogsStayInThePaneAndAPageGetsOnlyAFew) {
    ASSERT_TRUE(Open("/start"));
    QPushButton other(QStringLiteral("other"));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int shown = 0, otherClicks = 0;
    bool modal = false, outside = false;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++otherClicks; });
    // Answers each dialog as a player would, after trying the rest of the program while it is up.
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        for (PaneOverlay* box : pane->findChildren<PaneOverlay*>()) {
            if (!box->Asking()) continue;
            ++shown;
            modal |= QApplication::activeModalWidget() != nullptr || box->isWindow();
            outside |= !pane->VisibleArea().contains(box->findChild<QWidget*>("box")->geometry());
            QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseClick(box->OkButton(), Qt::LeftButton);
        }
    });
    player.start(50);
    Eval(pane->Page(),
         "window.yes=0;setTimeout(function(){for(var i=0;i<500;i++)if(confirm('again '+i))yes++;"
         "window.done=true;},0);");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Eval(pane->Page(), "window.done===true").toBool(); }, 20000));
    EXPECT_EQ(shown, app::PanePage::kDialogsPerDocument);
    EXPECT_EQ(Eval(pane->Page(), "yes").toInt(), app::PanePage::kDialogsPerDocument);
    EXPECT_FALSE(modal);
    EXPECT_FALSE(outside);
    EXPECT_EQ(otherClicks, shown);
}

TEST_F(PaneRecoveryTest, EveryNavigationStaysOnTheWebAndRefreshFindsTheWayHome) {
    pane->SetHomeUrl(server.Url("/home").toString());
    server.Answer("/to-qrc", FlakyServer::Response(302, "", "", "Location: qrc:/assets/background.png\r\n"));
    server.Answer("/to-file", FlakyServer::Response(302, "", "", "Location: file:///etc/passwd\r\n"));
    server.Answer("/not-html", FlakyServer::Response(200, "image/png", QByteArray(64, '\x7f')));
    server.Answer("/empty", FlakyServer::Response(200, "text/html", ""));
    server.Stall("/stall");
    const struct {
        const char* what;
        const char* script;      // run on /start, or
        const char* path;        // loaded instead
        const char* afterwards;  // where Refresh leads then
    } cases[] = {
        {"script to qrc:", "location='qrc:/assets/background.png'", nullptr, "/start"},
        {"script to file:", "location='file:///etc/passwd'", nullptr, "/start"},
        {"blob: page", "location=URL.createObjectURL(new Blob(['<p>x'],{type:'text/html'}))", nullptr, "/start"},
        {"302 to qrc:", nullptr, "/to-qrc", "/start"},   // refused: the page before stays
        {"302 to file:", nullptr, "/to-file", "/home"},  // failed by the engine: stranded
        {"server down", nullptr, "/gone", "/home"},
        {"server stalls", nullptr, "/stall", "/start"},  // still loading: the page before is reloaded
        {"an image", nullptr, "/not-html", "/not-html"},
        {"zero-byte 200", nullptr, "/empty", "/empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Open("/start"));
        if (c.path == QStringLiteral("/gone")) server.Down();
        if (c.script) Eval(pane->Page(), c.script);
        if (c.path) pane->Navigate(server.Url(c.path).toString());
        QTest::qWait(700);
        EXPECT_TRUE(pane->LocationURL().scheme().startsWith("http")) << pane->LocationURL().toString().toStdString();
        ASSERT_TRUE(server.Up());
        pane->Refresh();
        EXPECT_TRUE(Shows(c.afterwards)) << pane->LocationURL().toString().toStdString();
    }
}

TEST_F(PaneRecoveryTest, AFirstLoadThatEndsWithoutAPageLeavesRefreshTheWayHome) {
    const QByteArray page = FlakyServer::Response(200, "text/html", "<title>portal</title><p>portal");
    const struct {
        const char* what;
        QByteArray first;       // the first answer of the start address; the page comes after it
        const char* stopAfter;  // a script run, or the load stopped ("stop"), while the first answer is out
    } cases[] = {
        {"302 to qrc:", FlakyServer::Response(302, "", "", "Location: qrc:/assets/background.png\r\n"), nullptr},
        {"302 to file:", FlakyServer::Response(302, "", "", "Location: file:///etc/passwd\r\n"), nullptr},
        {"empty answer", FlakyServer::HangUp(), nullptr},
        {"aborted", QByteArray(), "stop"},
        {"page leaves for about:blank",
         FlakyServer::Response(200, "text/html", "<script>location='about:blank'</script>"), nullptr},
        {"page opens a blank document",
         FlakyServer::Response(200, "text/html", "<script>document.open();document.close()</script>"), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.AnswerInTurn("/portal", {c.first, page});
        // A pane that never showed a page, as at the program's start.
        auto* fresh = new WebPane(host.get());
        fresh->setGeometry(0, 0, 300, 300);
        fresh->show();
        fresh->SetHomeUrl(server.Url("/portal").toString());
        const int hits = server.Hits("/portal");
        fresh->Navigate(server.Url("/portal").toString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.Hits("/portal") == hits + 1; }, 5000));
        if (c.stopAfter) fresh->Page()->triggerAction(QWebEnginePage::Stop);
        QTest::qWait(700);
        fresh->Refresh();  // one press
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return fresh->LocationURL() == server.Url("/portal") && !fresh->Page()->isLoading() &&
                       Eval(fresh->Page(), "document.title").toString() == "portal";
            },
            10000))
            << fresh->LocationURL().toString().toStdString();
        EXPECT_GE(server.Hits("/portal"), hits + 2);
        delete fresh;
    }
}

TEST_F(PaneRecoveryTest, ScriptMadeWindowsAreDroppedAtOnceWithAtMostOneLineOfLog) {
    ASSERT_TRUE(Open("/start"));
    LogCapture log;
    int raised = 0;
    QObject::connect(pane, &WebPane::NewWindow2, pane, [&](app::NewWindow2Args& a) { a.Cancel = ++raised > 0; });
    for (const char* to : {"'/start?'+i", "'file:///etc/passwd'"}) {
        SCOPED_TRACE(to);
        EXPECT_EQ(Settle(pane->Page(), QStringLiteral("for(var i=0;i<3000;i++)window.open(%1);'done'").arg(to)),
                  QVariant("done"));
    }
    Pause(1500);
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(server.Hits("/start"), 1);
    EXPECT_LE(log.Count("new-window"), 1);
    EXPECT_EQ(pane->LocationURL(), server.Url("/start"));
    EXPECT_EQ(Settle(pane->Page(), "document.title", 2000), QVariant("start"));  // the page still answers
}

TEST_F(PaneRecoveryTest, APageWhoseProcessEndsIsLoadedAgainSayingSo) {
    ASSERT_TRUE(Open("/start"));
    QString said;
    QObject::connect(pane->Page(), &QWebEnginePage::renderProcessTerminated, pane,
                     [&] { said = pane->Cover() ? pane->Cover()->Text() : QString(); });
    for (int death = 1; death <= 2; ++death) {
        SCOPED_TRACE(death);
        said.clear();
        const qint64 pid = pane->Page()->renderProcessPid();
        ASSERT_GT(pid, 0);
        ::kill(pid_t(pid), SIGKILL);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !said.isEmpty(); }, 5000));
        EXPECT_TRUE(said.contains("重新载入"));
        // The first reload comes at once, the next after a pause (of a second).
        if (death == 2) {
            Pause(WebPane::kRevivePausesMs[1] / 2);
            EXPECT_EQ(server.Hits("/start"), 2) << "reloaded without a pause";
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.Hits("/start") == death + 1; }, 5000));
        EXPECT_TRUE(Shows("/start"));
        EXPECT_EQ(pane->Cover(), nullptr);
    }
}

TEST_F(PaneRecoveryTest, AFailedLoadShowsOurPageInViewAndComesBackByItself) {
    // As the portal pane lies in its window (reaching past its left and top) and as the music box.
    const QRect places[] = {{-28, -64, 281, 561}, {10, 10, 169, 161}};
    const struct {
        const char* what;
        QByteArray failure;  // empty: the server is down
        const char* said;
    } cases[] = {
        {"server down", {}, "服务器没有响应"},
        {"500 without a body", FlakyServer::Response(500, "text/html", ""), "500"},
        {"404 without a body", FlakyServer::Response(404, "text/html", ""), "404"},
    };
    for (const QRect& place : places) {
        pane->setGeometry(place);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            if (c.failure.isEmpty())
                server.Down();
            else
                server.Answer("/portal", c.failure);
            pane->Navigate(server.Url("/portal").toString());
            ASSERT_TRUE(QTest::qWaitFor([&] { return pane->Cover() != nullptr; }, 10000));
            EXPECT_TRUE(pane->Cover()->Text().contains(c.said)) << pane->Cover()->Text().toStdString();
            const QRect box = pane->Cover()->findChild<QWidget*>("box")->geometry();
            EXPECT_TRUE(QRect(pane->mapFrom(host.get(), QPoint(0, 0)), host->size()).contains(box));
            EXPECT_TRUE(box.width() < place.width() || place.left() >= 0);
            QTest::qWait(1500);  // a retry or two against the failure
            ASSERT_TRUE(server.Up());
            server.Page("/portal", "<title>portal</title>");
            EXPECT_TRUE(Shows("/portal", 8000));
            EXPECT_EQ(pane->Cover(), nullptr);
        }
    }
}

TEST_F(PaneRecoveryTest, ConsoleFloodsAndRefusedNavigationsLeaveTheLogBounded) {
    ASSERT_TRUE(Open("/start"));
    LogCapture log;
    Settle(pane->Page(),
           "for(var i=0;i<20000;i++){console.error('flood '+i);console.warn('flood '+i);}"
           "var n=0,t=setInterval(function(){location='qrc:/x'+n;if(++n>=300)clearInterval(t);},1);");
    Pause(2000);
    EXPECT_EQ(log.Count("flood"), 0);
    EXPECT_GT(log.Count("only http and https"), 0);
    EXPECT_LE(log.Count("korvane:"), 20);

    // Switched on by the logging rules: the lines come, bounded, and say how many were left out.
    LogCapture switchedOn;
    QLoggingCategory::setFilterRules(QStringLiteral("korvane.page.console=true"));
    Settle(pane->Page(), "for(var i=0;i<2000;i++)console.log('loud '+i);'done'");
    Pause(1200);
    Settle(pane->Page(), "console.log('loud again');'done'");
    Pause(300);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_GE(switchedOn.Count("loud"), 2);
    EXPECT_LE(switchedOn.Count("loud"), 10);
    EXPECT_EQ(switchedOn.Count("similar lines left out"), 1);
}

TEST_F(PaneRecoveryTest, PermissionsDownloadsGoodbyesAndSuspensionAreAnswered) {
    server.Answer("/file.bin", FlakyServer::Response(200, "application/octet-stream", "data",
                                                     "Content-Disposition: attachment; filename=file.bin\r\n"));
    server.Page("/saver",
                "<script>addEventListener('pagehide',function(){navigator.sendBeacon('/saved','x');});"
                "</script><a id=d href='/file.bin'>file</a>");
    ASSERT_TRUE(Open("/saver"));
    Eval(pane->Page(),
         "window.answers=[];Notification.requestPermission().then(function(p){answers.push(p)});"
         "navigator.geolocation.getCurrentPosition(function(){answers.push('granted')},"
         "function(e){answers.push('geo '+e.code)});");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Eval(pane->Page(), "answers.length").toInt() == 2; }, 5000));
    EXPECT_EQ(Eval(pane->Page(), "answers.sort().join()").toString(), "denied,geo 1");

    Eval(pane->Page(), "document.getElementById('d').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->Note() != nullptr; }, 5000));
    EXPECT_TRUE(pane->Note() && pane->Note()->Text().contains("file.bin"));

    pane->SetVisible(false);
    pane->SetAudioMuted(true);
    pane->Suspend();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.Hits("/saved") == 1; }, 3000)) << "left without a goodbye";
    EXPECT_TRUE(pane->AudioMuted());
    EXPECT_THROW(pane->Refresh(), app::WebPaneError);
    const int loads = server.Hits("/saver");
    Pause(1000);
    EXPECT_EQ(server.Hits("/saver"), loads) << "a put-away page came back by itself";
    pane->SetVisible(true);
    pane->Navigate(server.Url("/saver").toString());
    EXPECT_TRUE(Shows("/saver"));

    host->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.Hits("/saved") == 2; }, 3000));
}

}  // namespace
