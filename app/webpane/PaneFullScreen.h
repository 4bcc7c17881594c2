#pragma once
// Lets a pane's page play: a game's fullscreen request (which the engine passes on only after a
// click or key of the player) gives the page the whole screen the window is on, in a window of its
// own above everything; Esc or F11 leave it at once, as does the page's own exitFullscreen(). The
// pane's window is never touched, so leaving puts everything back as it was, with the keyboard in
// the pane. Pointer lock is granted to the page's own origin right after a click or key of the
// player while the page has the keyboard; every other permission stays refused.
//
//   auto* play = new app::PaneFullScreen(portalPane);   // owned by the pane
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWebEngineFullScreenRequest>

class QWebEngineView;
class QWidget;

namespace app {

class PaneOverlay;
class PanePage;
class WebPane;

class PaneFullScreen : public QObject {
    Q_OBJECT
public:
    static constexpr int kNoteMs = 3000;        // how long the way out is shown on entering
    static constexpr int kGestureMs = 1000;     // a pointer lock request counts as the player's this long
    static constexpr int kAfterLeaveMs = 1000;  // requests refused right after the player left

    explicit PaneFullScreen(WebPane* pane);
    ~PaneFullScreen() override;

    bool Active() const { return m_Window != nullptr; }
    // The window that holds the page while it is fullscreen, or nullptr.
    QWidget* Window() const;
    QWebEngineView* View() const;

    // As Esc does: back into the pane at once, and the page is told.
    void Leave();

signals:
    void Entered();
    void Left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnRequest(QWebEngineFullScreenRequest request);
    void Enter();
    void Restore();
    void GiveFocusBack();
    bool MayLockPointer(const QUrl& origin) const;
    void Watch(QObject* widget);

    WebPane* m_Pane;
    // The pane's page and view go before the pane's children do.
    QPointer<PanePage> m_Page;
    QPointer<QWebEngineView> m_PaneView;
    QPointer<QWidget> m_Window;
    QPointer<QWebEngineView> m_FullView;
    QElapsedTimer m_LastGesture;
    QElapsedTimer m_LeftByPlayer;
};

}  // namespace app
