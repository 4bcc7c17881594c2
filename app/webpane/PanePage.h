#pragma once
// The page of a WebPane: everything a page can ask of the program is answered here, and nothing
// it asks can take the program. Dialogs are drawn in the pane (never application-modal boxes) and
// a page gets only a few per document; every top-level navigation, redirects included, must lead
// to an http or https address (frames never to local files or resources); permission requests are
// denied at once unless the pane grants one (pointer lock for a game); console output goes to the logging category
// korvane.page.console, off unless QT_LOGGING_RULES switches it on ("korvane.page.console=true"), and then bounded.
#include <QLoggingCategory>
#include <QPointer>
#include <QRect>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <functional>

#include "app/webpane/LogLimit.h"

namespace app {

Q_DECLARE_LOGGING_CATEGORY(lcPageConsole)

class PaneOverlay;

class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    // Dialogs a document may open; later ones are answered at once (alert dismissed, confirm and
    // prompt cancelled), as a browser's "prevent this page from creating more dialogs".
    static constexpr int kDialogsPerDocument = 3;

    // `pane` is the widget the dialogs are drawn over.
    PanePage(QWebEngineProfile* profile, QWidget* pane);
    ~PanePage() override;

    // Answers an open dialog as cancelled, and every later one of this document at once.
    void EndDialogs();
    bool InDialog() const;
    int DialogsShown() const { return m_Dialogs; }

    // The next navigation to about:blank is let through (the pane's own way to unload a page).
    void AllowBlankOnce() { m_AllowBlank = true; }

    // What a pane that lets its page play asks before answering: a fullscreen request (refused
    // when there is no handler) and a permission (denied unless the handler grants it).
    void SetFullScreenHandler(std::function<void(QWebEngineFullScreenRequest)> handler) {
        m_FullScreen = std::move(handler);
    }
    void SetPermissionHandler(std::function<bool(const QUrl& origin, Feature feature)> handler) {
        m_MayGrant = std::move(handler);
    }

    // Where the dialogs are drawn: the part of the pane in view.
    void SetVisibleArea(const QRect& area) { m_VisibleArea = area; }

signals:
    // A top-level navigation was refused by the address rule.
    void NavigationRefused(const QUrl& url);

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    // True when a dialog may be shown now; counts it.
    bool TakeDialog();
    PaneOverlay* Dialog(int mode);

    QPointer<QWidget> m_Pane;
    QPointer<PaneOverlay> m_Open;
    QRect m_VisibleArea;
    int m_Dialogs = 0;
    bool m_DialogsStopped = false;
    bool m_AllowBlank = false;
    LogLimit m_Log;
    LogLimit m_Console;
    std::function<void(QWebEngineFullScreenRequest)> m_FullScreen;
    std::function<bool(const QUrl&, Feature)> m_MayGrant;
};

}  // namespace app
