#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <ostream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/KeptProfile.h"

namespace app {

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");
// How long a later start keeps asking while the first one is still coming up: it answers once
// its event loop runs, after building its window.
constexpr int kHandOverMs = 30000;

}  // namespace

long PeerUser(long long socketDescriptor) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (socketDescriptor < 0 ||
      ::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
    return -1;
  return static_cast<long>(peer.uid);
}

SingleInstance::SingleInstance(QString key) : m_Key(std::move(key)) {}

SingleInstance::~SingleInstance() {
  if (m_Server) m_Server->close();
  if (m_Lock) m_Lock->unlock();
}

bool SingleInstance::PrivateFolder(const QString& path) {
  struct stat st {};
  if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString SingleInstance::DefaultKey() {
  // The runtime folder when it is this user's alone; else one of our own in the temporary folder,
  // made private here, and used only if it is (another user may have made it first).
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!PrivateFolder(folder)) {
    folder = QDir(QDir::tempPath()).filePath(QStringLiteral("korvane-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    if (!PrivateFolder(folder)) return QString();
  }
  const QByteArray data = KeptProfile::DefaultDataFolder().toUtf8();
  const QString tag = QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(12));
  return QDir(folder).filePath(QStringLiteral("korvane-%1-%2").arg(::getuid()).arg(tag));
}

SingleInstance::Start SingleInstance::HandOver(std::ostream& err) {
  if (m_Key.isEmpty()) {
    err << "korvane: no folder of this user's alone for the one-run lock; this run does not look for another"
        << std::endl;
    return Start::Run;
  }
  auto lock = std::make_unique<QLockFile>(m_Key + QStringLiteral(".lock"));
  const auto take = [&] {
    QString takenOver;
    if (!TakeLock(*lock, &takenOver)) return false;
    if (!takenOver.isEmpty())
      err << "korvane: took over the lock " << lock->fileName().toStdString() << " " << takenOver.toStdString()
          << std::endl;
    m_Lock = std::move(lock);
    return true;
  };
  if (take()) return Start::Run;
  if (lock->error() != QLockFile::LockFailedError) return Start::Run;  // no lock to be had: run alone

  const QDeadlineTimer deadline(kHandOverMs);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(m_Key + QStringLiteral(".socket"));
    if (socket.waitForConnected(100)) {
      if (PeerUser(socket.socketDescriptor()) != static_cast<long>(::getuid())) {
        // Not ours to trust with the hand-over (nor to wait for): this run goes on alone.
        err << "korvane: " << socket.fullServerName().toStdString()
            << " is not served by this user; this run does not hand over" << std::endl;
        return Start::Run;
      }
      socket.write(kActivate);
      // The first run may still be building its window; it answers from its event loop.
      QByteArray reply;
      while (!reply.endsWith('\n') && socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired())
        if (socket.waitForReadyRead(100)) reply += socket.readAll();
      reply += socket.readAll();
      if (reply == kDone) return Start::HandedOver;
    }
    // The holder may have ended meanwhile, or given the lock up because it cannot listen.
    if (take()) return Start::Run;
    QThread::msleep(20);
  }
  return Start::Unanswered;
}

bool SingleInstance::Listen(std::ostream& err) {
  if (!m_Lock || m_Server) return m_Server != nullptr;
  const QString socket = m_Key + QStringLiteral(".socket");
  QLocalServer::removeServer(socket);  // left by a run that crashed: we hold the lock now
  m_Server = new QLocalServer(this);
  m_Server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_Server->listen(socket)) {
    err << "korvane: cannot listen on " << socket.toStdString() << ": " << m_Server->errorString().toStdString()
        << "; later starts open windows of their own" << std::endl;
    delete m_Server;
    m_Server = nullptr;
    // Held without a socket, the lock would keep every later start waiting for an answer.
    m_Lock->unlock();
    m_Lock.reset();
    return false;
  }
  connect(m_Server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
  return true;
}

void SingleInstance::Answer() {
  while (QLocalSocket* peer = m_Server->nextPendingConnection()) {
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    if (PeerUser(peer->socketDescriptor()) != static_cast<long>(::getuid())) {
      peer->disconnectFromServer();  // only this user's starts may raise the window
      continue;
    }
    connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
      if (!peer->canReadLine()) return;
      if (peer->readLine() == kActivate) {
        emit Activate();
        peer->write(kDone);
        peer->flush();
      }
      peer->disconnectFromServer();
    });
  }
}

}  // namespace app
