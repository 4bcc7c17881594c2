#pragma once
// Start-up of the program: the host services, the fonts, Form1 from its layout text, and the
// event loop until the last window closes.
#include <QByteArray>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "app/Form1.h"

class QApplication;
class QWebEngineProfile;

namespace app {

// Makes Form1 from layout text, its panes started, without showing it. On a broken layout, or one
// that holds a value the window cannot use, returns nullptr and sets *error to one message naming
// the control and key; no window has been created then. The panes use `profile` when given, else
// one off-the-record profile each.
std::unique_ptr<Form1> CreateForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error,
                                   QWebEngineProfile* profile = nullptr);

// Installs the host services and the font substitutions (idempotent). Needs the QApplication.
void PrepareHost();

class SingleInstance;

// The whole program: prepares the host, builds and shows Form1, then, once its first frame is on
// screen (at the latest after kPanesStartLatestMs), opens the kept web profile (KeptProfile, under
// `dataFolder`) and starts the panes; runs until the last window closes. A broken layout is
// reported on `err` and gives exit status 2 before any window opens. With `instance`, later
// starts bring the window forward (un-minimised, raised and active). `shown` is called with the
// form as soon as its panes are started, before their first loads can have finished.
constexpr int kPanesStartLatestMs = 1000;
int RunProgram(QApplication& app, const QByteArray& layoutText, const Form1Addresses& addresses, std::ostream& err,
               SingleInstance* instance = nullptr, const QString& dataFolder = QString(),
               const std::function<void(Form1&)>& shown = {});

// What main() does: one run per user (a later start hands over to it and ends with 0), then
// RunProgram with the stored layout; the OpenGL context the web engine shares is made meanwhile
// (app/ShareContext.h: not with Qt::AA_ShareOpenGLContexts, with which the application would make it
// before anything else). The application name must be set already. `applicationMade` is called as
// soon as the QApplication exists (before any window).
int Main(int argc, char** argv, const Form1Addresses& addresses, const std::function<void(Form1&)>& shown = {},
         const std::function<void()>& applicationMade = {});

// The layout compiled into the program.
QByteArray StoredLayoutText();

}  // namespace app
