#include "app/webpane/WebPane.h"

#include <QVBoxLayout>
#include <algorithm>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

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

}  // namespace

WebPane::WebPane(QWidget* parent) : WebPane(nullptr, parent) {}

WebPane::WebPane(QWebEngineProfile* profile, QWidget* parent) : QWidget(parent) {
    // No storage name: off the record, nothing kept.
    m_Profile = profile ? profile : new QWebEngineProfile(this);
    m_Page = new QWebEnginePage(m_Profile, this);
    m_Page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    m_View = new QWebEngineView(this);
    m_View->setPage(m_Page);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_View);

    connect(m_Page, &QWebEnginePage::newWindowRequested, this, &WebPane::OnNewWindowRequested);
    connect(m_Page, &QWebEnginePage::loadFinished, this, [this](bool ok) { emit DocumentComplete(m_Page->url(), ok); });
}

WebPane::~WebPane() {
    // Pages must go before the profile they use, and the profile is an earlier child.
    for (auto& popup : m_Popups) delete popup.data();
    delete m_View;
    delete m_Page;
}

void WebPane::Load(const QString& url) {
    const QString trimmed = url.trimmed();
    QUrl target(trimmed, QUrl::StrictMode);
    // Only a scheme-less address ("www.host/x") is completed; a broken absolute one is refused.
    if (target.isValid() && target.isRelative()) target = QUrl::fromUserInput(trimmed);
    if (trimmed.isEmpty() || !target.isValid() || target.isRelative())
        throw WebPaneError("Invalid address: \"" + url.toStdString() + "\"");
    m_Page->load(target);
}

void WebPane::Navigate(const QString& url) { Load(url); }

void WebPane::Navigate2(const QString& url) { Load(url); }

void WebPane::Refresh() {
    if (m_Page->url().isEmpty()) throw WebPaneError("The pane has no document to refresh");
    m_Page->triggerAction(QWebEnginePage::Reload);
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
    NewWindow2Args args;
    args.RequestedUrl = request.requestedUrl();
    args.UserInitiated = request.isUserInitiated();
    QPointer<WebPane> guard(this);
    emit NewWindow2(args);
    // Not calling openIn() is how a request is refused: the engine drops it.
    if (!guard || args.Cancel) return;

    auto* window = new QWebEngineView();
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* page = new QWebEnginePage(m_Profile, window);
    window->setPage(page);
    request.openIn(page);
    m_Popups.erase(std::remove(m_Popups.begin(), m_Popups.end(), nullptr), m_Popups.end());
    m_Popups.emplace_back(window);
    window->resize(size());
    window->show();
}

}  // namespace app
