#include "app/webpane/PanePage.h"

#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWidget>

#include "app/webpane/PaneOverlay.h"
#include "app/webpane/UrlPolicy.h"

namespace app {

// Critical only by default: the pages' own lines are for developers who ask for them.
Q_LOGGING_CATEGORY(lcPageConsole, "korvane.page.console", QtCriticalMsg)

namespace {

// The local schemes no frame of a page may show.
bool IsLocalScheme(const QUrl& url) {
    const QString s = url.scheme();
    return s == QLatin1String("file") || s == QLatin1String("qrc") || s == QLatin1String("chrome") ||
           s == QLatin1String("view-source") || s == QLatin1String("devtools");
}

}  // namespace

PanePage::PanePage(QWebEngineProfile* profile, QWidget* pane)
    : QWebEnginePage(profile, pane), m_Pane(pane), m_Console(5, 1000, &lcPageConsole) {
    // Geolocation, notifications, camera, microphone, screen capture: no page gets them, and none
    // waits for an answer.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
        const bool grant = m_MayGrant && m_MayGrant(origin, feature);
        setFeaturePermission(origin, feature, grant ? PermissionGrantedByUser : PermissionDeniedByUser);
    });
    connect(this, &QWebEnginePage::fullScreenRequested, this, [this](QWebEngineFullScreenRequest request) {
        if (m_FullScreen)
            m_FullScreen(std::move(request));
        else
            request.reject();
    });
    connect(this, &QWebEnginePage::quotaRequested, this, [](QWebEngineQuotaRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
}

PanePage::~PanePage() { EndDialogs(); }

bool PanePage::InDialog() const { return m_Open && m_Open->Asking(); }

void PanePage::EndDialogs() {
    m_DialogsStopped = true;
    if (m_Open) m_Open->Dismiss();
}

bool PanePage::TakeDialog() {
    if (!m_Pane || m_DialogsStopped || InDialog()) return false;
    if (m_Dialogs >= kDialogsPerDocument) {
        m_DialogsStopped = true;
        m_Log.Warn(QStringLiteral("korvane: %1 opens dialogs without end; no more are shown")
                       .arg(url().toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo)));
        return false;
    }
    ++m_Dialogs;
    return true;
}

PaneOverlay* PanePage::Dialog(int mode) {
    delete m_Open.data();
    m_Open = new PaneOverlay(m_Pane, static_cast<PaneOverlay::Mode>(mode));
    m_Open->SetVisibleArea(m_VisibleArea);
    return m_Open;
}

void PanePage::javaScriptAlert(const QUrl&, const QString& msg) {
    if (!TakeDialog()) return;
    QPointer<PaneOverlay> box = Dialog(int(PaneOverlay::Mode::Alert));
    box->Ask(msg);
    if (box) box->deleteLater();
}

bool PanePage::javaScriptConfirm(const QUrl&, const QString& msg) {
    if (!TakeDialog()) return false;
    QPointer<PaneOverlay> box = Dialog(int(PaneOverlay::Mode::Confirm));
    const bool yes = box->Ask(msg).accepted;
    if (box) box->deleteLater();
    return yes;
}

bool PanePage::javaScriptPrompt(const QUrl&, const QString& msg, const QString& defaultValue, QString* result) {
    if (!TakeDialog()) return false;
    QPointer<PaneOverlay> box = Dialog(int(PaneOverlay::Mode::Prompt));
    const PaneOverlay::Answer answer = box->Ask(msg, defaultValue);
    if (box) box->deleteLater();
    if (answer.accepted && result) *result = answer.text;
    return answer.accepted;
}

void PanePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int lineNumber,
                                        const QString& sourceID) {
    if (!lcPageConsole().isWarningEnabled()) return;
    m_Console.Warn(QStringLiteral("js: %1 (%2:%3)").arg(message.left(500), sourceID.left(200)).arg(lineNumber));
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (m_AllowBlank && url == QUrl(QStringLiteral("about:blank"))) {
        m_AllowBlank = false;
        return true;
    }
    if (!isMainFrame) return !IsLocalScheme(url);
    if (!IsFollowableUrl(url)) {
        m_Log.Warn(QStringLiteral("korvane: page not opened (only http and https): %1")
                       .arg(url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo).left(200)));
        emit NavigationRefused(url);
        return false;
    }
    // A new document has its own share of dialogs.
    m_Dialogs = 0;
    m_DialogsStopped = false;
    return true;
}

}  // namespace app
