#include "Harness.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

using app::DomObject;
using app::NewWindow2Args;
using app::WebPane;
using app::WebPaneError;
using Value = std::optional<QString>;

namespace {

class WebPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        h = &Harness::Get();
        pane = &h->Pane();
        if (pane->ScrollBarsHidden()) pane->SetScrollBarsHidden(false);
        pane->SetAudioMuted(false);
    }

    // Other browser windows on screen besides the pane itself.
    static int OtherBrowserWindows(const WebPane* pane) {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != pane && w->isVisible() && qobject_cast<QWebEngineView*>(w)) ++n;
        return n;
    }

    Harness* h = nullptr;
    WebPane* pane = nullptr;
};

const QColor kGreen(0x0a, 0xc8, 0x1e);  // background of /long
const QColor kBlue(0x1e, 0x28, 0xc8);   // background of /long-blue
const QColor kLinkGrey(0xcc, 0xcc, 0xcc);

// The view draws through the compositor, so only the screen holds its pixels. Waits until the
// pixel at `at` (default: the centre) shows `colour`, i.e. the page's frame is on screen.
QImage ShotWhenShown(WebPane* pane, const QColor& colour, std::optional<QPoint> at = std::nullopt) {
    QImage shot;
    auto point = [&] { return at.value_or(QPoint(shot.width() / 2, shot.height() / 2)); };
    const bool shown = QTest::qWaitFor(
        [&] {
            shot = pane->screen()->grabWindow(pane->winId()).toImage();
            return shot.pixelColor(point()) == colour;
        },
        10000);
    EXPECT_TRUE(shown) << "page never shown";
    return shot;
}

TEST_F(WebPaneTest, NavigateLoadsThePageAndRaisesDocumentComplete) {
    QSignalSpy complete(pane, &WebPane::DocumentComplete);
    const int before = h->Hits("/plain");
    pane->Navigate(h->Url("/plain").toString());
    ASSERT_TRUE(complete.wait(20000));
    EXPECT_EQ(complete.count(), 1);
    EXPECT_EQ(complete.last().at(0).toUrl(), h->Url("/plain"));
    EXPECT_TRUE(complete.last().at(1).toBool());
    EXPECT_EQ(h->Hits("/plain"), before + 1);
    EXPECT_EQ(pane->LocationURL(), h->Url("/plain"));
    EXPECT_EQ(Await<Value>([&](auto cb) { pane->Document().Get("title", cb); }), Value("Plain"));
}

TEST_F(WebPaneTest, FailedLoadStillRaisesDocumentCompleteNotOk) {
    QSignalSpy complete(pane, &WebPane::DocumentComplete);
    pane->Navigate2("http://127.0.0.1:1/");  // nothing listens on port 1
    ASSERT_TRUE(complete.wait(20000));
    EXPECT_FALSE(complete.last().at(1).toBool());
}

TEST_F(WebPaneTest, MalformedAddressesThrow) {
    EXPECT_THROW(pane->Navigate(""), WebPaneError);
    EXPECT_THROW(pane->Navigate2("   "), WebPaneError);
    EXPECT_THROW(pane->Navigate2("http://[::1"), WebPaneError);
}

TEST_F(WebPaneTest, RefreshThrowsWithoutDocumentAndReloadsWithOne) {
    WebPane fresh;
    EXPECT_THROW(fresh.Refresh(), WebPaneError);

    ASSERT_TRUE(Load(*pane, h->Url("/plain")));
    const int before = h->Hits("/plain");
    QSignalSpy complete(pane, &WebPane::DocumentComplete);
    pane->Refresh();
    ASSERT_TRUE(complete.wait(20000));
    EXPECT_EQ(h->Hits("/plain"), before + 1);
}

TEST_F(WebPaneTest, VisibleIsThePanesOwnFlag) {
    QWidget hiddenParent;
    WebPane child(&hiddenParent);
    EXPECT_TRUE(child.Visible());  // shown with its parent, though the parent is not on screen
    child.SetVisible(false);
    EXPECT_FALSE(child.Visible());
    child.SetVisible(true);
    EXPECT_TRUE(child.Visible());
    EXPECT_FALSE(child.isVisible());
}

// A click of the player at `at` in the pane, through its window as a real click arrives (the view's
// render widget takes it from there). A window a script opens without one is refused.
void ClickInPage(WebPane* pane, QPoint at) {
    ShotWhenShown(pane, kLinkGrey, at);
    QWindow* window = pane->window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint inWindow = pane->View()->mapTo(pane->window(), at);
    Eval(pane->Page(),
         "window.__seen=[];['mousemove','mousedown','mouseup','click'].forEach(function(t){"
         "document.addEventListener(t,function(e){window.__seen.push(t);},true);});");
    // Input reaches the page a little after its first frame: hover until the page sees the pointer
    // (moving by a pixel each time, as the pointer may rest there from an earlier click).
    int wiggle = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QTest::mouseMove(window, inWindow + QPoint(++wiggle % 2, 0));
            return Eval(pane->Page(), "window.__seen.indexOf('mousemove')>=0").toBool();
        },
        5000));
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
    // Press and release apart in time, as a person clicks.
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow, 80);
}

const QPoint kInBlankLink(100, 30);  // inside the 200x60 link of /link

TEST_F(WebPaneTest, MouseClickOnBlankLinkRaisesNewWindow2WithTheLinkActive) {
    ASSERT_TRUE(Load(*pane, h->Url("/link")));
    QObject context;
    int raised = 0;
    NewWindow2Args seen;
    QObject::connect(pane, &WebPane::NewWindow2, &context, [&](NewWindow2Args& args) {
        ++raised;
        args.Cancel = true;
        seen = args;
    });
    ClickInPage(pane, kInBlankLink);
    ASSERT_TRUE(QTest::qWaitFor([&] { return raised > 0; }, 10000))
        << "page saw: " << Eval(pane->Page(), "window.__seen.join(' ')").toString().toStdString();
    EXPECT_TRUE(seen.UserInitiated);
    EXPECT_EQ(seen.RequestedUrl, h->Url("/target"));
    EXPECT_EQ(Await<Value>([&](auto cb) { pane->Document().Member("activeElement").Get("href", cb); }),
              Value(h->Url("/target").toString()));
    QTest::qWait(500);
    EXPECT_EQ(OtherBrowserWindows(pane), 0);
}

TEST_F(WebPaneTest, CancelledNewWindowOpensNothingAndActiveHrefIsReadable) {
    ASSERT_TRUE(Load(*pane, h->Url("/link")));
    QObject context;
    int raised = 0;
    NewWindow2Args seen;
    QObject::connect(pane, &WebPane::NewWindow2, &context, [&](NewWindow2Args& args) {
        ++raised;
        args.Cancel = true;
        seen = args;
    });
    const int targetHits = h->Hits("/target");
    ClickInPage(pane, kInBlankLink);
    ASSERT_TRUE(QTest::qWaitFor([&] { return raised > 0; }, 10000));
    EXPECT_EQ(seen.RequestedUrl, h->Url("/target"));

    QTest::qWait(1000);  // give a wrongly opened window time to show and load
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(OtherBrowserWindows(pane), 0);
    EXPECT_EQ(h->Hits("/target"), targetHits);
    EXPECT_EQ(pane->LocationURL(), h->Url("/link"));

    const DomObject active = pane->Document().Member("activeElement");
    EXPECT_EQ(Await<Value>([&](auto cb) { active.Get("href", cb); }), Value(h->Url("/target").toString()));
}

TEST_F(WebPaneTest, NewWindowNotCancelledOpensASeparateWindow) {
    ASSERT_TRUE(Load(*pane, h->Url("/link")));
    const int targetHits = h->Hits("/target");
    ClickInPage(pane, kInBlankLink);
    ASSERT_TRUE(QTest::qWaitFor([&] { return OtherBrowserWindows(pane) == 1; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return h->Hits("/target") == targetHits + 1; }, 10000));
    EXPECT_EQ(pane->LocationURL(), h->Url("/link"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != pane && qobject_cast<QWebEngineView*>(w)) w->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return OtherBrowserWindows(pane) == 0; }, 5000));
}

TEST_F(WebPaneTest, ScrollAttributeOfBodyIsWrittenByName) {
    ASSERT_TRUE(Load(*pane, h->Url("/plain")));
    const DomObject body = pane->Document().Member("Body");
    EXPECT_TRUE(Await<bool>([&](auto cb) { body.SetAttribute("Scroll", "no", cb); }));
    EXPECT_EQ(Eval(pane->Page(), "document.body.getAttribute('scroll')").toString(), "no");
    EXPECT_EQ(Await<Value>([&](auto cb) { body.GetAttribute("scroll", cb); }), Value("no"));
}

TEST_F(WebPaneTest, MissingObjectsAnswerNothingInsteadOfFailing) {
    ASSERT_TRUE(Load(*pane, h->Url("/image.svg")));  // an SVG document has no body
    const DomObject body = pane->Document().Member("Body");
    EXPECT_FALSE(Await<bool>([&](auto cb) { body.SetAttribute("Scroll", "no", cb); }));
    EXPECT_EQ(Await<Value>([&](auto cb) { body.GetAttribute("scroll", cb); }), std::nullopt);
    EXPECT_EQ(Await<Value>([&](auto cb) { pane->Document().Member("noSuchThing").Get("href", cb); }), std::nullopt);
}

TEST_F(WebPaneTest, MembersChainByName) {
    pane->SetUserAgent(WebPane::MobileUserAgent);
    ASSERT_TRUE(Load(*pane, h->Url("/plain")));
    EXPECT_EQ(h->LastUserAgent(), QByteArray(WebPane::MobileUserAgent));
    const DomObject navigator = pane->Document().Member("defaultView").Member("navigator");
    EXPECT_EQ(Await<Value>([&](auto cb) { navigator.Get("userAgent", cb); }), Value(WebPane::MobileUserAgent));
    EXPECT_EQ(pane->UserAgent(), QString(WebPane::MobileUserAgent));
}

// Width the page loses to a vertical scroll bar.
int ScrollBarWidth(QWebEnginePage* page) {
    return Eval(page, "window.innerWidth - document.documentElement.clientWidth").toInt();
}

TEST_F(WebPaneTest, HiddenScrollBarsLeaveTheLongPageFullWidth) {
    ASSERT_TRUE(Load(*pane, h->Url("/long")));
    EXPECT_GT(ScrollBarWidth(pane->Page()), 0) << "the long page should scroll with bars shown";
    QImage shot = ShotWhenShown(pane, kGreen);
    EXPECT_NE(shot.pixelColor(shot.width() - 3, shot.height() / 2), kGreen) << "a bar was expected";

    // Same page in another colour, so that the shot below is surely of the new load.
    pane->SetScrollBarsHidden(true);
    ASSERT_TRUE(Load(*pane, h->Url("/long-blue")));
    EXPECT_EQ(ScrollBarWidth(pane->Page()), 0);
    EXPECT_GT(Eval(pane->Page(), "document.documentElement.scrollHeight").toInt(), 1000);
    shot = ShotWhenShown(pane, kBlue);
    for (int y : {10, shot.height() / 2, shot.height() - 10})
        EXPECT_EQ(shot.pixelColor(shot.width() - 3, y), kBlue) << "at y " << y;
}

TEST_F(WebPaneTest, AudioMutedFollowsTheSetter) {
    pane->SetAudioMuted(true);
    EXPECT_TRUE(pane->AudioMuted());
    EXPECT_TRUE(pane->Page()->isAudioMuted());
    pane->SetAudioMuted(false);
    EXPECT_FALSE(pane->AudioMuted());
}

}  // namespace

namespace {

TEST_F(WebPaneTest, PendingReadAnswersNothingWhenThePaneGoesAway) {
    auto* doomed = new WebPane();
    ASSERT_TRUE(Load(*doomed, h->Url("/plain")));
    const DomObject doc = doomed->Document();
    auto answer = std::make_shared<std::optional<Value>>();
    doc.Get("title", [answer](Value v) { *answer = v; });
    delete doomed;
    // The callback must still come, once, with no value, so callers never wait forever.
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer->has_value(); }, 5000));
    EXPECT_EQ(answer->value(), std::nullopt);

    // An object kept past its pane answers at once, with nothing.
    auto late = std::make_shared<std::optional<bool>>();
    doc.Member("body").SetAttribute("scroll", "no", [late](bool ok) { *late = ok; });
    ASSERT_TRUE(late->has_value());
    EXPECT_FALSE(late->value());
}

}  // namespace
