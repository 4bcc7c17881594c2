#pragma once
// One run per user and data folder. The first run holds a lock file and listens on a local
// socket beside it; a later start finds the lock held, asks the running one to bring its window
// forward and ends, before it opens a display connection or a web engine of its own. A lock left
// by a run that crashed is taken over (the lock names a process that is gone), and so is the
// socket file it left.
//
//   QCoreApplication::setApplicationName("Korvane");
//   app::SingleInstance instance(app::SingleInstance::DefaultKey());
//   if (instance.HandOver() != app::SingleInstance::Start::Run) return ...;
//   QApplication app(argc, argv);
//   instance.Listen();                   // from here Activate() is raised for each later start
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace app {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` is a path without extension: the lock is key + ".lock", the socket key + ".socket".
  explicit SingleInstance(QString key);
  ~SingleInstance() override;

  // The key for this user and data folder, in the runtime folder (XDG_RUNTIME_DIR).
  static QString DefaultKey();

  enum class Start {
    Run,         // this run is the one (or no lock could be had at all: it runs on its own)
    HandedOver,  // the running one took the request to come forward: end this one
    Unanswered,  // the lock is held by a live run that did not answer within a second
  };
  Start HandOver();
  // Starts answering later starts. Needs the application object; only after HandOver() gave Run.
  bool Listen();
  bool Primary() const { return m_Lock != nullptr; }

 signals:
  // A later start asked for the window.
  void Activate();

 private:
  void Answer();

  QString m_Key;
  std::unique_ptr<QLockFile> m_Lock;
  QLocalServer* m_Server = nullptr;
};

}  // namespace app
