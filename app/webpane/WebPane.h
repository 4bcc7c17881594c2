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
// The pane looks after itself (PaneRecovery): a load that fails is replaced by a page of the
// program's own and tried again with a growing pause (at once when the network comes back); a page
// whose process ended is loaded again; Refresh where no page of the web is shown goes to the home
// address. Downloads are refused with a note; closing the window lets the page's pagehide and
// unload handlers run. Every page the pane opens, pop-ups included, keeps to PanePage's rules.
//
// Qt's global share context must exist before the first pane: the application sets
// Qt::AA_ShareOpenGLContexts before creating its QApplication, or makes it itself (app/ShareContext.h).
// Operations that cannot be carried out throw WebPaneError, so a caller that skips failing steps
// wraps each call in its own try block.
#include "app/webpane/DomObject.h"
#include "app/webpane/Pane.h"
#include "app/webpane/PaneRecovery.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <vector>

class QTimer;
class QWebEngineLoadingInfo;
class QWebEngineNewWindowRequest;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace app {

class PaneOverlay;
class PanePage;

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
    // The address Navigate would load for `url`; throws WebPaneError where Navigate would. Needs no
    // web engine.
    static QUrl ParseAddress(const QString& url);

    // Reload the current document; when it failed to load, its process ended or it is not an http
    // or https page, load the home address instead. Throws WebPaneError when there is neither a
    // document nor a home address, or while the pane is suspended.
    void Refresh();

    // Where Refresh leads from a failed page (an absolute address, as Navigate takes).
    void SetHomeUrl(const QString& url);
    QUrl HomeUrl() const;

    // Puts the page away while the pane is hidden: it is left (its unload handlers run) and uses
    // nothing until the next Navigate, which loads it afresh. Refresh does nothing meanwhile.
    void Suspend();
    bool Suspended() const { return m_Suspended; }

    // Lets the page's pagehide and unload handlers run (by leaving it for an empty page), waiting
    // at most `waitMs`. Done by itself when the window the pane is in is closed.
    void ClosePage(int waitMs = kCloseWaitMs);
    static constexpr int kCloseWaitMs = 200;

    // Pauses between tries of a failed load, then the last one again; and the pauses before a page
    // whose process keeps ending is loaded again (the first time at once).
    static constexpr const auto& kRetryPausesMs = PaneRecovery::kRetryPausesMs;
    static constexpr const auto& kRevivePausesMs = PaneRecovery::kRevivePausesMs;

    // A short note at the foot of the part of the pane in view, gone after `ms`.
    void Say(const QString& text, int ms = 4000);

    // The program's own page or note shown over the page now, or nullptr.
    PaneOverlay* Cover() const;
    PaneOverlay* Note() const;
    // True from a failed load (or an ended page process) to the next load that succeeds.
    bool Failed() const;
    // Part of the pane the player sees: the pane less what its window and the controls above it cut off.
    QRect VisibleArea() const;

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
    QWebEnginePage* Page() const;
    PanePage* Rules() const { return m_Page; }
    QWebEngineProfile* Profile() const { return m_Profile; }

signals:
    // The page asked for a new window (target="_blank", window.open) on a click or key press of the
    // player: one request per gesture is raised, those a script makes on its own are dropped (one
    // line of log for a burst). Connect directly. Unless a handler sets Cancel, the page opens in a
    // separate top-level window owned by this pane.
    void NewWindow2(app::NewWindow2Args& args);

    // The main document finished loading (ok false: it failed). The engine reports whole-page
    // completion only, so this fires once per load, not once per frame.
    void DocumentComplete(const QUrl& url, bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void Load(const QString& url);
    void Open(const QUrl& url);
    void ShowCover(const QString& text);
    void HideCover();

    QWebEngineProfile* m_Profile = nullptr;
    PanePage* m_Page = nullptr;
    QWebEngineView* m_View = nullptr;
    PaneOverlay* m_Cover = nullptr;
    PaneOverlay* m_Note = nullptr;
    PaneRecovery* m_Recovery = nullptr;
    QTimer* m_DroppedTimer = nullptr;
    std::vector<QPointer<QWebEngineView>> m_Popups;
    QElapsedTimer m_LastFollowed;
    int m_Dropped = 0;
    bool m_ScrollBarsHidden = false;
    bool m_Suspended = false;
    bool m_Closing = false;
};

}  // namespace app
