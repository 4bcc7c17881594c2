#include "app/Program.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QSocketNotifier>
#include <QTimer>
#include <fcntl.h>
#include <csignal>
#include <unistd.h>
#include <iostream>
#include <ostream>

#include "app/KeptProfile.h"
#include "app/MprisPlayer.h"
#include "app/PaneEngine.h"
#include "app/ShareContext.h"
#include "app/WindowSettings.h"
#include "app/SingleInstance.h"
#include "app/WebEngineHelper.h"

#include "host/qt/HostServices.h"
#include "host/qt/QtTextEngine.h"

namespace app {

namespace {

int g_EndPipe[2] = {-1, -1};

void OnEndSignal(int) {
  const char c = 1;
  [[maybe_unused]] const ssize_t n = ::write(g_EndPipe[1], &c, 1);
}

// A session that ends, or kill, asks with a signal: the windows are closed as by their close
// button, so that the web storage is written out before the program ends.
void CloseWindowsOnEndSignals(QApplication& app) {
  if (g_EndPipe[0] < 0 && ::pipe2(g_EndPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(g_EndPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
    char buffer[16];
    while (::read(g_EndPipe[0], buffer, sizeof buffer) > 0) {
    }
    QApplication::closeAllWindows();
  });
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

}  // namespace

void PrepareHost() {
  host::HostServices::Install();
  // Registers the Song face's stand-in, which every Qt widget then finds by the stored name.
  host::QtTextEngine::SongFace();
}

namespace {

// Form1 without its panes, or nullptr with *error set.
std::unique_ptr<Form1> BuildForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error) {
  try {
    return std::make_unique<Form1>(app::ParseLayout(layoutText), addresses);
  } catch (const app::LayoutError& e) {
    if (error) *error = e.what();
  } catch (const std::exception& e) {  // e.g. a start address the pane refuses
    if (error) *error = e.what();
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Form1> CreateForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error,
                                   QWebEngineProfile* profile) {
  std::unique_ptr<Form1> form = BuildForm1(layoutText, addresses, error);
  if (form) form->StartPanes(profile);
  return form;
}

int RunProgram(QApplication& app, const QByteArray& layoutText, const Form1Addresses& addresses, std::ostream& err,
               SingleInstance* instance, const QString& dataFolder, const std::function<void(Form1&)>& shown) {
  PrepareHost();
  std::string error;
  std::unique_ptr<Form1> created = BuildForm1(layoutText, addresses, &error);
  if (!created) {
    err << "korvane: cannot start: " << error << std::endl;
    return 2;
  }
  // From here the form deletes itself when it is closed.
  QPointer<Form1> form(created.release());
  // Where the player left the window, and the desktop's media controls (neither waits on anything;
  // both take the panes on once they are made).
  auto* settings = new WindowSettings(form, WindowSettings::DefaultFile(), err);
  auto* player = new MprisPlayer(form, err);
  if (instance) {
    QObject::connect(instance, &SingleInstance::Activate, form, [form] {
      form->setWindowState((form->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
      form->show();
      form->raise();
      form->activateWindow();
    });
    instance->Listen(err);  // no-op when Main() is already listening
  }
  // The web engine is loaded and starts with the kept profile once the window is on screen: the
  // window needs none of it. A window the desktop never exposes (started minimised) gets its panes
  // all the same.
  PaneEngine* engine = nullptr;
  bool engineRefused = false;
  const auto startPanes = [&, form] {
    if (!form || form->PanesStarted() || engineRefused) return;
    QString searched;
    if (!WebEngineHelperFound(&searched)) {
      engineRefused = true;
      err << "korvane: the web engine cannot start: its helper QtWebEngineProcess is not at " << searched.toStdString()
          << std::endl;
      form->ShowPanesUnavailable(QStringLiteral("网页组件无法启动"));
      return;
    }
    QString why;
    engine = LoadPaneEngine(&why);
    if (!engine) {
      engineRefused = true;
      err << "korvane: the web engine cannot start: its module cannot be loaded: " << why.toStdString() << std::endl;
      form->ShowPanesUnavailable(QStringLiteral("网页组件无法启动"));
      return;
    }
    form->StartPanes(*engine,
                     engine->OpenKeptProfile(dataFolder.isEmpty() ? KeptProfile::DefaultDataFolder() : dataFolder, err));
    settings->KeepZoom(form->PortalZoom());
    player->AttachMusicPane();
    if (shown) shown(*form);
  };
  QObject::connect(form, &Form1::FirstFrameShown, form, startPanes);
  QTimer::singleShot(kPanesStartLatestMs, form, startPanes);
  FinishShareContext();
  form->show();
  const int status = app.exec();
  // The pages go before the profile they use.
  delete form.data();
  if (engine) engine->CloseKeptProfile();
  return status;
}

int Main(int argc, char** argv, const Form1Addresses& addresses, const std::function<void(Form1&)>& shown,
         const std::function<void()>& applicationMade) {
  SingleInstance instance(SingleInstance::DefaultKey());
  switch (instance.HandOver(std::cerr)) {
    case SingleInstance::Start::HandedOver: return 0;
    case SingleInstance::Start::Unanswered:
      std::cerr << "korvane: another run holds the window but does not answer" << std::endl;
      return 1;
    case SingleInstance::Start::Run: break;
  }
  MprisPlayer::KeepEngineOffTheBus();  // read by the web engine when it starts
  QApplication app(argc, argv);
  // Made meanwhile, on a thread of its own: the window is built in the time it takes. The dynamic
  // loader takes one library at a time, and the OpenGL driver is a large one: the plugins the
  // window's artwork needs (the icon and cursor formats) are loaded before it, not behind it.
  QImageReader::supportedImageFormats();
  StartShareContext();
  if (applicationMade) applicationMade();
  // Before anything slow: a start from now on waits for this run's answer instead of giving up.
  instance.Listen(std::cerr);
  CloseWindowsOnEndSignals(app);
  const int status = RunProgram(app, StoredLayoutText(), addresses, std::cerr, &instance, QString(), shown);
  // The context's thread is joined on every way out, a layout refused before any window too.
  FinishShareContext();
  return status;
}

QByteArray StoredLayoutText() {
  QFile file(QString::fromLatin1(app::kForm1LayoutPath));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace app
