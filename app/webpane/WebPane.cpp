#include "app/webpane/WebPane.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "app/webpane/PaneOverlay.h"
#include "app/webpane/PanePage.h"
#include "app/webpane/PaneRecovery.h"
#include "app/webpane/UrlPolicy.h"

namespace app {

namespace {

const QString kNoScrollBarsScript = QStringLiteral("korvane-no-scrollbars");

// At document creation there is no root element yet, so the style waits for it.
const QString kAddNoScrollBarsStyle = QStringLiteral(
    "(function(){"
    "function add(){"
    "if(document.getElementById('korvane-no-scrollbars'))return;"
    "var s=document.createElement('style');s.id='korvane-no-scrollbars';"
    "s.textContent='::-webkit-scrollbar{display:none}';"
    "(document.head||document.documentElement).appendChild(s);}"
    "if(document.documentElement){add();return;}"
    "new MutationObserver(function(m,obs){"
    "if(document.documentElement){obs.disconnect();add();}"
    "}).observe(document,{childList:true});"
    "})();");

const QString kRemoveNoScrollBarsStyle =
    QStringLiteral("(function(){var s=document.getElementById('korvane-no-scrollbars');if(s)s.remove();})();");

// Two requests raised closer together than this come from one gesture.
constexpr int kOneGestureMs = 500;

}  // namespace

WebPane::WebPane(QWidget* parent) : WebPane(nullptr, parent) {}

WebPane::WebPane(QWebEngineProfile* profile, QWidget* parent) : QWidget(parent) {
    // No storage name: off the record, nothing kept.
    m_Profile = profile ? profile : new QWebEngineProfile(this);
    m_Page = new PanePage(m_Profile, this);
    // Windows a script opens without a click of the player are refused by the engine itself, at
    // the cost of a check; those that reach the pane are still held to one per gesture below.
    m_Page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // The engine's own error pages are covered by ours.
    m_Page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_View = new QWebEngineView(this);
    m_View->setPage(m_Page);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_View);

    m_Cover = new PaneOverlay(this, PaneOverlay::Mode::Cover);
    m_Note = new PaneOverlay(this, PaneOverlay::Mode::Note);
    m_Recovery = new PaneRecovery(m_Page, this);
    connect(m_Recovery, &PaneRecovery::CoverWanted, this, &WebPane::ShowCover);
    connect(m_Recovery, &PaneRecovery::CoverDone, this, &WebPane::HideCover);
    m_DroppedTimer = new QTimer(this);
    m_DroppedTimer->setSingleShot(true);
    m_DroppedTimer->setInterval(1000);
    connect(m_DroppedTimer, &QTimer::timeout, this, [this] {
        qWarning("korvane: %d new-window requests of a page dropped (no click behind them)", m_Dropped);
        m_Dropped = 0;
    });

    connect(m_Page, &QWebEnginePage::newWindowRequested, this, &WebPane::OnNewWindowRequested);
    connect(m_Page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (!m_Closing && !m_Suspended) emit DocumentComplete(m_Page->url(), ok);
    });
    connect(m_Page, &QWebEnginePage::loadingChanged, this, &WebPane::OnLoadingChanged);
    connect(m_Profile, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest* download) {
        if (download->page() != m_Page) return;
        download->cancel();
        Say(QStringLiteral("本程序不下载文件：%1 未保存").arg(download->suggestedFileName().left(60)));
    });
    // Closing the window, not only deleting the pane, lets the page say goodbye.
    if (parent) parent->window()->installEventFilter(this);
}

WebPane::~WebPane() {
    m_Page->EndDialogs();
    // Pages must go before the profile they use, and the profile is an earlier child.
    for (auto& popup : m_Popups) delete popup.data();
    delete m_View;
    delete m_Page;
}

void WebPane::Load(const QString& url) { Open(ParseAddress(url)); }

QUrl WebPane::ParseAddress(const QString& url) { return ParsePaneAddress(url); }

void WebPane::Open(const QUrl& url) {
    m_Recovery->Opening();
    m_Closing = false;
    m_Suspended = false;
    if (m_Page->lifecycleState() != QWebEnginePage::LifecycleState::Active)
        m_Page->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    m_Page->load(url);
}

void WebPane::SetHomeUrl(const QString& url) {
    const QUrl home = QUrl::fromUserInput(url.trimmed());
    if (!IsFollowableUrl(home)) throw WebPaneError("Not a web address: \"" + url.toStdString() + "\"");
    m_Recovery->SetHome(home);
}

void WebPane::Navigate(const QString& url) { Load(url); }

void WebPane::Navigate2(const QString& url) { Load(url); }

void WebPane::Refresh() {
    if (m_Suspended) throw WebPaneError("The pane is suspended");
    const QUrl target = m_Recovery->RefreshTarget();
    if (target.isValid()) {
        Open(target);
        return;
    }
    if (m_Page->url().isEmpty()) throw WebPaneError("The pane has no document to refresh");
    m_Page->triggerAction(QWebEnginePage::Reload);
}

void WebPane::Suspend() {
    m_Recovery->Stand();
    if (m_Page->url().isEmpty() && !m_Page->isLoading()) return;  // nothing to put away
    m_Suspended = true;
    // Left for an empty page, then frozen: its scripts and media stop (its unload handlers run),
    // and the next Navigate loads it afresh. (The engine's discarded state came back to life by
    // itself here.)
    m_Page->triggerAction(QWebEnginePage::Stop);
    m_Page->AllowBlankOnce();
    m_Page->load(QUrl(QStringLiteral("about:blank")));
}

void WebPane::ClosePage(int waitMs) {
    if (m_Closing) return;
    m_Closing = true;
    m_Recovery->Stand();
    if (m_Page->InDialog()) {
        // The page waits on its dialog: none of its handlers could run now.
        m_Page->EndDialogs();
        return;
    }
    m_Page->EndDialogs();
    if (m_Suspended || m_Recovery->Failed() || !IsFollowableUrl(m_Page->url())) return;
    QEventLoop wait;
    QTimer::singleShot(waitMs, &wait, &QEventLoop::quit);
    connect(m_Page, &QWebEnginePage::loadFinished, &wait, &QEventLoop::quit);
    m_Page->AllowBlankOnce();
    m_Page->load(QUrl(QStringLiteral("about:blank")));
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

bool WebPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window() && watched != this) ClosePage();
    return QWidget::eventFilter(watched, event);
}

void WebPane::closeEvent(QCloseEvent* event) {
    ClosePage();
    QWidget::closeEvent(event);
}

void WebPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_Page->SetVisibleArea(VisibleArea());
}

QWebEnginePage* WebPane::Page() const { return m_Page; }

PaneOverlay* WebPane::Cover() const { return m_Cover->isVisible() ? m_Cover : nullptr; }

bool WebPane::Failed() const { return m_Recovery->Failed(); }

QUrl WebPane::HomeUrl() const { return m_Recovery->Home(); }

PaneOverlay* WebPane::Note() const { return m_Note->isVisible() ? m_Note : nullptr; }

void WebPane::Say(const QString& text, int ms) {
    m_Note->SetVisibleArea(VisibleArea());
    m_Note->Say(text, ms);
}

QRect WebPane::VisibleArea() const {
    QWidget* parent = parentWidget();
    if (!parent || isWindow()) return rect();
    // The window cuts the pane off where it reaches past it (the portal pane does on purpose).
    QRect area = rect() & QRect(mapFrom(parent, QPoint(0, 0)), parent->size());
    // A control stacked above the pane along its whole height (the decoration strip) hides its far side.
    const QObjectList& siblings = parent->children();
    for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w == this || w->isHidden()) continue;
        const QRect r(mapFrom(parent, w->geometry().topLeft()), w->size());
        if (r.intersects(area) && r.top() <= area.top() && r.bottom() >= area.bottom() && r.left() > area.center().x())
            area.setRight(r.left() - 1);
    }
    return area;
}

void WebPane::ShowCover(const QString& text) {
    m_Cover->SetVisibleArea(VisibleArea());
    m_Cover->Say(text);
}

void WebPane::HideCover() { m_Cover->hide(); }

void WebPane::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (m_Suspended && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
        info.url() == QUrl(QStringLiteral("about:blank"))) {
        // The empty page's process has nothing left to do: its timers and tasks stop as well.
        m_Page->setVisible(false);
        m_Page->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
    }
}

bool WebPane::Visible() const { return !isHidden(); }

void WebPane::SetVisible(bool newValue) { setVisible(newValue); }

DomObject WebPane::Document() const { return DomObject(m_Page); }

void WebPane::SetScrollBarsHidden(bool newValue) {
    m_ScrollBarsHidden = newValue;
    m_Page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, !newValue);
    QWebEngineScriptCollection& scripts = m_Page->scripts();
    for (const QWebEngineScript& s : scripts.find(kNoScrollBarsScript)) scripts.remove(s);
    if (newValue) {
        QWebEngineScript script;
        script.setName(kNoScrollBarsScript);
        script.setSourceCode(kAddNoScrollBarsStyle);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setRunsOnSubFrames(true);
        scripts.insert(script);
    }
    m_Page->runJavaScript(newValue ? kAddNoScrollBarsStyle : kRemoveNoScrollBarsStyle,
                          QWebEngineScript::ApplicationWorld);
}

void WebPane::SetAudioMuted(bool newValue) { m_Page->setAudioMuted(newValue); }

bool WebPane::AudioMuted() const { return m_Page->isAudioMuted(); }

void WebPane::SetUserAgent(const QString& newValue) { m_Profile->setHttpUserAgent(newValue); }

QString WebPane::UserAgent() const { return m_Profile->httpUserAgent(); }

QUrl WebPane::LocationURL() const { return m_Page->url(); }

void WebPane::OnNewWindowRequested(QWebEngineNewWindowRequest& request) {
    // One window per gesture of the player; a script opening windows on its own gets none, and
    // costs no more than a count (no script round trip, no navigation).
    const bool sameGesture = m_LastFollowed.isValid() && m_LastFollowed.elapsed() < kOneGestureMs;
    if (!request.isUserInitiated() || sameGesture) {
        if (m_Dropped++ == 0) m_DroppedTimer->start();
        return;
    }
    m_LastFollowed.start();
    NewWindow2Args args;
    args.RequestedUrl = request.requestedUrl();
    args.UserInitiated = request.isUserInitiated();
    QPointer<WebPane> guard(this);
    emit NewWindow2(args);
    // Not calling openIn() is how a request is refused: the engine drops it.
    if (!guard || args.Cancel) return;

    auto* window = new QWebEngineView();
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The pop-up's page keeps to the same rules as the pane's own.
    auto* page = new PanePage(m_Profile, window);
    window->setPage(page);
    request.openIn(page);
    m_Popups.erase(std::remove(m_Popups.begin(), m_Popups.end(), nullptr), m_Popups.end());
    m_Popups.emplace_back(window);
    window->resize(size());
    window->show();
}

}  // namespace app
