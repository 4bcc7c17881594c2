#include "app/webpane/PaneFullScreen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

#include "app/webpane/PaneOverlay.h"
#include "app/webpane/PanePage.h"
#include "app/webpane/WebPane.h"

namespace app {

namespace {

bool SameOrigin(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host() == b.host() && a.port(-1) == b.port(-1);
}

bool IsGesture(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::TouchBegin;
}

}  // namespace

PaneFullScreen::PaneFullScreen(WebPane* pane)
    : QObject(pane), m_Pane(pane), m_Page(pane->Rules()), m_PaneView(pane->View()) {
    PanePage* page = pane->Rules();
    // Off by default: the page's requestFullscreen() fails at once without it.
    page->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    page->SetFullScreenHandler([this](QWebEngineFullScreenRequest request) { OnRequest(std::move(request)); });
    page->SetPermissionHandler([this](const QUrl& origin, QWebEnginePage::Feature feature) {
        return feature == QWebEnginePage::MouseLock && MayLockPointer(origin);
    });
    Watch(pane->View());
    // Closing the window while the page is fullscreen puts the page back first.
    if (QWidget* window = pane->window(); window != pane) window->installEventFilter(this);
}

PaneFullScreen::~PaneFullScreen() {
    Restore();
    if (PanePage* page = m_Page) {
        page->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
        page->SetFullScreenHandler(nullptr);
        page->SetPermissionHandler(nullptr);
    }
}

QWidget* PaneFullScreen::Window() const { return m_Window; }

QWebEngineView* PaneFullScreen::View() const { return m_FullView; }

void PaneFullScreen::Watch(QObject* widget) {
    widget->installEventFilter(this);
    for (QObject* child : widget->children())
        if (child->isWidgetType()) child->installEventFilter(this);
}

bool PaneFullScreen::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (IsGesture(type)) m_LastGesture.start();
    // The engine's input widget is made after the view: it is watched once it is there.
    if (type == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) child->installEventFilter(this);
    }
    if (type == QEvent::Close && watched == m_Pane->window()) Leave();
    return QObject::eventFilter(watched, event);
}

bool PaneFullScreen::MayLockPointer(const QUrl& origin) const {
    const QWebEngineView* view = m_FullView ? m_FullView.data() : m_Pane->View();
    const QWidget* input = view->focusProxy() ? view->focusProxy() : view;
    return SameOrigin(origin, m_Pane->Page()->url()) && m_LastGesture.isValid() &&
           m_LastGesture.elapsed() < kGestureMs && input->hasFocus() && view->window()->isActiveWindow();
}

void PaneFullScreen::OnRequest(QWebEngineFullScreenRequest request) {
    if (!request.toggleOn()) {
        request.accept();
        Restore();
        return;
    }
    // Esc wins: a page that asks again right away (or asks on and on) is refused.
    if (m_LeftByPlayer.isValid() && m_LeftByPlayer.elapsed() < kAfterLeaveMs) {
        request.reject();
        return;
    }
    request.accept();
    if (!Active()) Enter();
}

void PaneFullScreen::Enter() {
    QWidget* form = m_Pane->window();
    // A window of its own, owned by the form: it goes with it, and never keeps the program alive.
    auto* window = new QWidget(form, Qt::Window | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowTitle(form->windowTitle());
    window->setStyleSheet(QStringLiteral("background:black"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new QWebEngineView(window);
    layout->addWidget(view);
    view->setPage(m_Pane->Page());
    m_Window = window;
    m_FullView = view;
    Watch(view);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F11)}) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &PaneFullScreen::Leave);
    }
    if (QScreen* screen = form->screen()) {
        window->setScreen(screen);
        window->setGeometry(screen->geometry());
    }
    window->showFullScreen();
    window->raise();
    window->activateWindow();
    view->setFocus(Qt::OtherFocusReason);
    auto* note = new PaneOverlay(window, PaneOverlay::Mode::Note);
    note->setObjectName(QStringLiteral("full-screen-note"));
    note->setGeometry(window->rect());
    note->SetVisibleArea(window->rect());
    note->Say(QStringLiteral("按 Esc 退出全屏"), kNoteMs);
    emit Entered();
}

void PaneFullScreen::Leave() {
    if (!Active()) return;
    m_LeftByPlayer.start();
    // The page is told (its fullscreenchange runs); the window does not wait for its answer.
    if (m_Page) m_Page->triggerAction(QWebEnginePage::ExitFullScreen);
    Restore();
}

void PaneFullScreen::Restore() {
    if (!m_Window) return;
    QPointer<QWidget> window = m_Window;
    m_Window.clear();
    if (m_Page && m_PaneView && m_FullView && m_FullView->page() == m_Page) m_PaneView->setPage(m_Page);
    m_FullView.clear();
    window->hide();
    window->deleteLater();
    GiveFocusBack();
    // Once more after the engine is done: a page that left by itself is still in its own call now.
    QTimer::singleShot(0, this, &PaneFullScreen::GiveFocusBack);
    emit Left();
}

void PaneFullScreen::GiveFocusBack() {
    if (Active() || !m_PaneView) return;
    QWidget* form = m_PaneView->window();
    form->raise();
    form->activateWindow();
    m_PaneView->setFocus(Qt::OtherFocusReason);
}

}  // namespace app
