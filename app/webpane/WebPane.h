#pragma once
// WebPane: one embedded browser pane of Form1 (the portal pane and the music pane), a QWidget around
// a QWebEngineView with its own page, on a profile it is given or else one of its own, off the record.
//
// Use, all on the UI thread:
//   auto* pane = new app::WebPane(form);
//   pane->SetUserAgent(app::WebPane::MobileUserAgent);
//   pane->SetScrollBarsHidden(true);                       // before Navigate: applies to every load
//   QObject::connect(pane, &app::WebPane::NewWindow2, form, [](app::NewWindow2Args& a) { a.Cancel = true; });
//   QObject::connect(pane, &app::WebPane::DocumentComplete, form, [pane](const QUrl&, bool) {
//       pane->Document().Member("Body").SetAttribute("Scroll", "no");
//   });
//   pane->Navigate("http://127.0.0.1:8421/qqwap/");
//
// The application must set Qt::AA_ShareOpenGLContexts before creating its QApplication.
// Operations that cannot be carried out throw WebPaneError, so a caller that skips failing steps
// wraps each call in its own try block.
#include "app/webpane/DomObject.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <stdexcept>
#include <vector>

class QWebEngineNewWindowRequest;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace app {

class WebPaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Passed by reference to NewWindow2 handlers; they may set Cancel.
struct NewWindow2Args {
    QUrl RequestedUrl;           // the address the page asked to open (may be empty)
    bool UserInitiated = false;  // the request came from a user gesture
    bool Cancel = false;         // true: the window is not opened at all
};

class WebPane : public QWidget {
    Q_OBJECT
public:
    // A typical phone browser's user agent, for portals that serve their mobile site by agent.
    static constexpr const char* MobileUserAgent =
        "Mozilla/5.0 (Linux; Android 12; Pixel 6) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/102.0.5005.125 Mobile Safari/537.36";

    explicit WebPane(QWidget* parent = nullptr);
    // A pane on `profile`, which the caller keeps alive until the pane is gone; panes given one
    // profile share its cookies, storage and cache.
    WebPane(QWebEngineProfile* profile, QWidget* parent);
    ~WebPane() override;

    // Load `url` (an absolute address; one without a scheme is taken as http). Throws WebPaneError for
    // an empty or malformed address. Navigate2 is the same call under the other name Form1 uses.
    void Navigate(const QString& url);
    void Navigate2(const QString& url);

    // Reload the current document. Throws WebPaneError when nothing was ever loaded.
    void Refresh();

    // The pane's own visibility flag: stays true while an ancestor is hidden. A hidden pane keeps
    // its page loaded and playing.
    bool Visible() const;
    void SetVisible(bool newValue);

    // The current document, reached by names at run time (see DomObject). Answers arrive later.
    DomObject Document() const;

    // Scroll bars off for every document of this pane (the engine ignores the body's scroll
    // attribute): the engine's scroll-bar setting plus a style injected at document creation.
    // Also applied to the document shown now.
    void SetScrollBarsHidden(bool newValue);
    bool ScrollBarsHidden() const { return m_ScrollBarsHidden; }

    void SetAudioMuted(bool newValue);
    bool AudioMuted() const;

    // The agent sent with every request of this pane's profile (of every pane sharing it).
    void SetUserAgent(const QString& newValue);
    QString UserAgent() const;

    // The address of the current document (empty before the first Navigate).
    QUrl LocationURL() const;

    QWebEngineView* View() const { return m_View; }
    QWebEnginePage* Page() const { return m_Page; }
    QWebEngineProfile* Profile() const { return m_Profile; }

signals:
    // The page asked for a new window (target="_blank", window.open). Connect directly. Unless a
    // handler sets Cancel, the page opens in a separate top-level window owned by this pane.
    void NewWindow2(app::NewWindow2Args& args);

    // The main document finished loading (ok false: it failed). The engine reports whole-page
    // completion only, so this fires once per load, not once per frame.
    void DocumentComplete(const QUrl& url, bool ok);

private:
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    void Load(const QString& url);

    QWebEngineProfile* m_Profile = nullptr;
    QWebEnginePage* m_Page = nullptr;
    QWebEngineView* m_View = nullptr;
    std::vector<QPointer<QWebEngineView>> m_Popups;
    bool m_ScrollBarsHidden = false;
};

}  // namespace app
