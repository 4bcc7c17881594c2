#pragma once
// One run per user and data folder. The first run holds a lock file and listens on a local
// socket beside it; a later start finds the lock held, asks the running one to bring its window
// forward and ends, before it opens a display connection or a web engine of its own. A lock that
// no live run holds (its run crashed, it is no lock at all) is taken over with one line, and so
// is the socket file it left.
//
// The lock and the socket live in a folder only this user can write (the runtime folder, else a
// private folder of its own under the temporary folder, checked for owner and mode), and a start
// hands over only to a socket served by this user.
//
//   QCoreApplication::setApplicationName("Korvane");
//   app::SingleInstance instance(app::SingleInstance::DefaultKey());
//   if (instance.HandOver(std::cerr) != app::SingleInstance::Start::Run) return ...;
//   QApplication app(argc, argv);
//   instance.Listen(std::cerr);          // at once: later starts wait for the answer
#include <QObject>
#include <QString>
#include <iosfwd>
#include <memory>

class QLocalServer;
class QLockFile;

namespace app {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` is a path without extension: the lock is key + ".lock", the socket key + ".socket".
  // An empty key: no private folder could be had, every run is on its own.
  explicit SingleInstance(QString key);
  ~SingleInstance() override;

  // The key for this user and data folder, in a folder only this user can write; empty when
  // there is none.
  static QString DefaultKey();
  // True when `path` is a folder (not a link) owned by this user that nobody else may write.
  static bool PrivateFolder(const QString& path);

  enum class Start {
    Run,         // this run is the one (or no lock could be had at all: it runs on its own)
    HandedOver,  // the running one took the request to come forward: end this one
    Unanswered,  // the lock is held by a live run that did not answer in time
  };
  // A lock taken over is told on `err` in one line.
  Start HandOver(std::ostream& err);
  // Starts answering later starts; needs the application object, only after HandOver() gave
  // Run. Requests that come before the event loop runs wait in the socket's queue. When it
  // cannot listen it says so on `err` and gives the lock up, so that later starts run on their own.
  bool Listen(std::ostream& err);
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

// The user id of the process at the other end of a local socket, or -1.
long PeerUser(long long socketDescriptor);

}  // namespace app
