#pragma once
// Pane: what the form does with one of its web panes, without the web engine. The panes themselves
// (WebPane) and everything else that needs the engine are built into a module the program loads
// once its window is on screen (see app/PaneEngine.h); the form reaches them through this
// interface alone, so that the program itself does not load the engine's libraries at start.
//
// Operations that cannot be carried out throw WebPaneError, as WebPane's own do.
#include <QString>
#include <QUrl>
#include <functional>
#include <stdexcept>

#include "app/webpane/DomObject.h"

class QObject;
class QWidget;

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

class Pane {
public:
    virtual ~Pane() = default;

    // The pane as a child of the form, and the view in it that takes the keyboard.
    virtual QWidget* Widget() const = 0;
    virtual QWidget* ViewWidget() const = 0;
    // The engine's page (a QWebEnginePage), for code that links the engine itself.
    virtual QObject* PageObject() const = 0;

    // As WebPane's calls of the same names.
    virtual void Navigate(const QString& url) = 0;
    virtual void Navigate2(const QString& url) = 0;
    virtual void Refresh() = 0;
    virtual void SetHomeUrl(const QString& url) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool newValue) = 0;
    virtual void SetAudioMuted(bool newValue) = 0;
    virtual void Suspend() = 0;
    virtual void SetUserAgent(const QString& newValue) = 0;
    virtual void SetScrollBarsHidden(bool newValue) = 0;
    virtual DomObject Document() const = 0;
    // The page's title (empty while it has none).
    virtual QString Title() const = 0;
    // The page may play sound and video without a click of the player first.
    virtual void AllowPlaybackWithoutGesture() = 0;

    // The pane's events, delivered while `context` lives: its NewWindow2 (directly, so that the
    // handler's Cancel is read back), its DocumentComplete, and each change of the page's title.
    virtual void OnNewWindow2(QObject* context, std::function<void(NewWindow2Args&)> handler) = 0;
    virtual void OnDocumentComplete(QObject* context, std::function<void(const QUrl&, bool)> handler) = 0;
    virtual void OnTitleChanged(QObject* context, std::function<void()> handler) = 0;
};

// The address WebPane::Navigate would load for `url` (one without a scheme is taken as http);
// throws WebPaneError for an empty or malformed one.
QUrl ParsePaneAddress(const QString& url);

}  // namespace app
