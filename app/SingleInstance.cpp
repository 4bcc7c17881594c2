#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <unistd.h>

#include "app/KeptProfile.h"

namespace app {

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");
// How long a later start keeps trying while the first one is still coming up to its socket.
constexpr int kHandOverMs = 900;

}  // namespace

SingleInstance::SingleInstance(QString key) : m_Key(std::move(key)) {}

SingleInstance::~SingleInstance() {
  if (m_Server) m_Server->close();
  if (m_Lock) m_Lock->unlock();
}

QString SingleInstance::DefaultKey() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QByteArray data = KeptProfile::DefaultDataFolder().toUtf8();
  const QString tag = QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(12));
  return QDir(folder).filePath(QStringLiteral("korvane-%1-%2").arg(::getuid()).arg(tag));
}

SingleInstance::Start SingleInstance::HandOver() {
  auto lock = std::make_unique<QLockFile>(m_Key + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    m_Lock = std::move(lock);
    return Start::Run;
  }
  if (lock->error() != QLockFile::LockFailedError) return Start::Run;  // no lock to be had: run alone

  const QDeadlineTimer deadline(kHandOverMs);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(m_Key + QStringLiteral(".socket"));
    if (socket.waitForConnected(100)) {
      socket.write(kActivate);
      if (socket.waitForBytesWritten(200)) {
        QByteArray reply;
        while (!reply.endsWith('\n') && socket.waitForReadyRead(300)) reply += socket.readAll();
        if (reply == kDone) return Start::HandedOver;
      }
    }
    QThread::msleep(20);
  }
  // The holder may have ended meanwhile; a live one that does not answer keeps its storage.
  if (!lock->tryLock(0)) return Start::Unanswered;
  m_Lock = std::move(lock);
  return Start::Run;
}

bool SingleInstance::Listen() {
  if (!m_Lock || m_Server) return m_Server != nullptr;
  const QString socket = m_Key + QStringLiteral(".socket");
  QLocalServer::removeServer(socket);  // left by a run that crashed: we hold the lock now
  m_Server = new QLocalServer(this);
  m_Server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_Server->listen(socket)) {
    delete m_Server;
    m_Server = nullptr;
    return false;
  }
  connect(m_Server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
  return true;
}

void SingleInstance::Answer() {
  while (QLocalSocket* peer = m_Server->nextPendingConnection()) {
    connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
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
