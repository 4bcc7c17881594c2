// The portal pane: new-window links kept in the pane (only http and https followed), the
// address a script asked for when no link is behind it, no scroll bars, the mobile agent.
#include <QApplication>
#include <QWebEnginePage>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "ProgramEnv.h"
#include "app/webpane/WebPane.h"

namespace {

class PortalPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env = &ProgramEnv::Get();
    form = &env->Form();
    portal = form->WebBrowser1();
  }
  // Loads `target` in the portal pane and waits until it is complete.
  void Open(const QString& target) { ASSERT_TRUE(Load(*portal, env->Url(target))) << target.toStdString(); }
  // Raises the pane's NewWindow2 as the engine would, with `focusJs` run first to set the
  // page's active element.
  app::NewWindow2Args RaiseNewWindow(const QString& focusJs, const QUrl& requested) {
    Eval(portal->Page(), focusJs);
    app::NewWindow2Args args;
    args.RequestedUrl = requested;
    emit portal->NewWindow2(args);
    return args;
  }

  // Clicks the element `elementJs` finds as a player would, through the window: a window a page
  // opens without a click is refused. The element is first brought into the visible part of the
  // pane (its top 64 px lie above the window), room made below it for that.
  void ClickInPage(const QString& elementJs) {
    const QVariantList box = Eval(portal->Page(), QStringLiteral("var a=%1; document.body.style.paddingBottom='600px';"
                                                                 "a.scrollIntoView({block:'center'});"
                                                                 "var r=a.getBoundingClientRect();"
                                                                 "[r.left + r.width / 2, r.top + r.height / 2]")
                                                      .arg(elementJs))
                                 .toList();
    ASSERT_EQ(box.size(), 2);
    const QPoint inForm = portal->mapTo(form, QPoint(int(box[0].toDouble()), int(box[1].toDouble())));
    ASSERT_TRUE(QRect(0, 0, 232, 368).contains(inForm)) << inForm.x() << "," << inForm.y();
    QWindow* window = form->windowHandle();
    Eval(portal->Page(),
         "window.__moved=false; document.addEventListener('mousemove',function(){window.__moved=true;},true);");
    int wiggle = 0;  // the pointer may rest there from an earlier click
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          QTest::mouseMove(window, inForm + QPoint(++wiggle % 2, 0));
          return Eval(portal->Page(), "window.__moved").toBool();
        },
        5000))
        << "the page never saw the pointer";
    QTest::mousePress(window, Qt::LeftButton, {}, inForm);
    QTest::mouseRelease(window, Qt::LeftButton, {}, inForm, 80);
  }

  ProgramEnv* env = nullptr;
  app::Form1* form = nullptr;
  app::WebPane* portal = nullptr;
};

TEST_F(PortalPaneTest, BlankTargetLinkOpensInThePortalPaneWithNoSecondWindow) {
  Open("/qqwap/");
  const int others = OtherWindows();
  const int game = env->Requests("/qqwap/game/5");
  // The "new" tab of the portal is a target="_blank" link; clicked, it has focus.
  ClickInPage("document.querySelector('a[href=\"/qqwap/game/5\"]')");
  EXPECT_TRUE(WaitForPage(*portal, env->Url("/qqwap/game/5")));
  EXPECT_EQ(env->Requests("/qqwap/game/5"), game + 1);
  QTest::qWait(300);
  EXPECT_EQ(OtherWindows(), others);
}

TEST_F(PortalPaneTest, RealClickOnABlankLinkStaysInThePane) {
  Open("/qqwap/links");
  const int others = OtherWindows();
  ClickInPage("document.getElementById('plain-link')");
  EXPECT_TRUE(WaitForPage(*portal, env->Url("/qqwap/game/1")));
  QTest::qWait(300);
  EXPECT_EQ(OtherWindows(), others);
}

TEST_F(PortalPaneTest, ScriptOpenedWindowFollowsTheRequestedAddress) {
  Open("/qqwap/");
  // window.open from a button: the active element has no href.
  Eval(portal->Page(), "document.activeElement.blur();");
  ClickInPage("document.querySelector('.lucky')");
  EXPECT_TRUE(QTest::qWaitFor([&] { return portal->LocationURL().path().startsWith("/qqwap/game/"); }, 10000))
      << portal->LocationURL().toString().toStdString();
  EXPECT_EQ(OtherWindows(), 0);
}

TEST_F(PortalPaneTest, OnlyHttpAndHttpsAddressesAreFollowed) {
  Open("/qqwap/links");
  const QUrl links = env->Url("/qqwap/links");

  app::NewWindow2Args args = RaiseNewWindow("document.getElementById('file-link').focus()", QUrl());
  EXPECT_TRUE(args.Cancel);
  args = RaiseNewWindow("document.getElementById('script-link').focus()", QUrl());
  EXPECT_TRUE(args.Cancel);
  // No link behind the window: the requested address decides, under the same rule.
  args = RaiseNewWindow("document.activeElement.blur()", QUrl("file:///etc/hostname"));
  EXPECT_TRUE(args.Cancel);
  args = RaiseNewWindow("document.activeElement.blur()", QUrl("javascript:document.title='script ran'"));
  EXPECT_TRUE(args.Cancel);
  // A refused link does not fall back on the requested address.
  args = RaiseNewWindow("document.getElementById('file-link').focus()", env->Url("/qqwap/game/2"));
  QTest::qWait(1000);
  EXPECT_EQ(portal->LocationURL(), links);
  EXPECT_NE(Eval(portal->Page(), "document.title").toString(), "script ran");

  // The same engine path with a followable link does navigate.
  args = RaiseNewWindow("document.getElementById('plain-link').focus()", QUrl());
  EXPECT_TRUE(args.Cancel);
  EXPECT_TRUE(WaitForPage(*portal, env->Url("/qqwap/game/1")));
  EXPECT_EQ(OtherWindows(), 0);
}

// Escapes in a new-window address reach the pane as the page wrote them, whether a link or
// the requested address stands behind the window (the pane's address keeps "%2F" apart from "/").
TEST_F(PortalPaneTest, NewWindowAddressesKeepTheirEscapes) {
  Open("/qqwap/links");
  const QStringList targets = {"/qqwap/a%20b", "/qqwap/a%2Fb", "/qqwap/%E6%B8%B8%E6%88%8F?q=x%20y&r=%2F",
                               "/qqwap/game/3#part%20two"};
  for (const QString& target : targets) {
    SCOPED_TRACE(target.toStdString());
    RaiseNewWindow(QStringLiteral("var a=document.createElement('a'); a.href='%1'; a.textContent='x';"
                                  "document.body.appendChild(a); a.focus();")
                       .arg(target),
                   QUrl());
    EXPECT_TRUE(WaitForPage(*portal, env->Url(target)));
    EXPECT_EQ(Eval(portal->Page(), "location.href").toString().toStdString(),
              env->Url(target).toString(QUrl::FullyEncoded).toStdString());
    Open("/qqwap/links");
  }
  const int before = env->Requests("/qqwap/c%20d");
  RaiseNewWindow("document.activeElement.blur()", QUrl(env->Url("/qqwap/c%20d")));
  EXPECT_TRUE(WaitForPage(*portal, env->Url("/qqwap/c%20d")));
  EXPECT_EQ(env->Requests("/qqwap/c%20d"), before + 1);
}

TEST_F(PortalPaneTest, FileAndScriptLinksClickedInThePageGoNowhere) {
  Open("/qqwap/links");
  for (const char* id : {"file-link", "script-link"}) {
    Eval(portal->Page(), QString("var a=document.getElementById('%1'); a.focus(); a.click();").arg(id));
    QTest::qWait(500);
    EXPECT_EQ(portal->LocationURL(), env->Url("/qqwap/links")) << id;
  }
  EXPECT_NE(Eval(portal->Page(), "document.title").toString(), "script ran");
  EXPECT_EQ(OtherWindows(), 0);
}

TEST_F(PortalPaneTest, PortalPageShowsNoScrollBar) {
  Open("/qqwap/");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return Eval(portal->Page(), "document.body.getAttribute('scroll')").toString() == "no"; }, 5000));
  EXPECT_GT(Eval(portal->Page(), "document.documentElement.scrollHeight - window.innerHeight").toInt(), 0)
      << "the page should be longer than the pane, or the check below proves nothing";
  EXPECT_EQ(Eval(portal->Page(), "window.innerWidth - document.documentElement.clientWidth").toInt(), 0);
}

TEST_F(PortalPaneTest, PortalPaneIdentifiesAsAPhone) {
  EXPECT_EQ(Eval(portal->Page(), "navigator.userAgent").toString(), QString(app::WebPane::MobileUserAgent));
}

}  // namespace
