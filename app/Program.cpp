#include "app/Program.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QSocketNotifier>
#include <QWebEngineProfile>
#include <fcntl.h>
#include <csignal>
#include <unistd.h>
#include <iostream>
#include <ostream>

#include "app/KeptProfile.h"
#include "app/MprisPlayer.h"
#include "app/WindowSettings.h"
#include "app/webpane/PaneZoom.h"
#include "app/SingleInstance.h"

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

std::unique_ptr<Form1> CreateForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error,
                                   QWebEngineProfile* profile) {
  try {
    return std::make_unique<Form1>(app::ParseLayout(layoutText), addresses, nullptr, profile);
  } catch (const app::LayoutError& e) {
    if (error) *error = e.what();
  } catch (const std::exception& e) {  // e.g. a start address the pane refuses
    if (error) *error = e.what();
  }
  return nullptr;
}

int RunProgram(QApplication& app, const QByteArray& layoutText, const Form1Addresses& addresses, std::ostream& err,
               SingleInstance* instance, const QString& dataFolder, const std::function<void(Form1&)>& shown) {
  PrepareHost();
  std::string error;
  // The layout is read before the profile is opened: a broken one touches no storage.
  try {
    app::ParseLayout(layoutText);
  } catch (const app::LayoutError& e) {
    err << "korvane: cannot start: " << e.what() << std::endl;
    return 2;
  }
  KeptProfile kept(dataFolder.isEmpty() ? KeptProfile::DefaultDataFolder() : dataFolder, err);
  std::unique_ptr<Form1> created = CreateForm1(layoutText, addresses, &error, kept.Profile());
  if (!created) {
    err << "korvane: cannot start: " << error << std::endl;
    return 2;
  }
  // From here the form deletes itself when it is closed.
  QPointer<Form1> form(created.release());
  // Where the player left the window, and the desktop's media controls (neither waits on anything).
  (new WindowSettings(form, WindowSettings::DefaultFile(), err))->KeepZoom(form->findChild<PaneZoom*>());
  new MprisPlayer(form, err);
  if (instance) {
    QObject::connect(instance, &SingleInstance::Activate, form, [form] {
      form->setWindowState((form->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
      form->show();
      form->raise();
      form->activateWindow();
    });
    instance->Listen(err);  // no-op when Main() is already listening
  }
  form->show();
  if (shown) shown(*form);
  const int status = app.exec();
  // The pages go before the profile they use.
  delete form.data();
  return status;
}

int Main(int argc, char** argv, const Form1Addresses& addresses, const std::function<void(Form1&)>& shown) {
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
  // Before anything slow: a start from now on waits for this run's answer instead of giving up.
  instance.Listen(std::cerr);
  CloseWindowsOnEndSignals(app);
  return RunProgram(app, StoredLayoutText(), addresses, std::cerr, &instance, QString(), shown);
}

QByteArray StoredLayoutText() {
  QFile file(QString::fromLatin1(app::kForm1LayoutPath));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace app
