#include "app/KeptProfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QtEndian>
#include <ostream>

namespace app {

namespace {

const QString kStorageName = QStringLiteral("korvane");

}  // namespace

bool LooksLikeWholeDatabase(const QString& path) {
  QFile file(path);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray header = file.read(100);
  static const QByteArray magic("SQLite format 3\0", 16);
  if (header.size() < 100 || !header.startsWith(magic)) return false;
  // The page size sits big-endian at offset 16; 1 stands for 65536.
  quint32 pageSize = qFromBigEndian<quint16>(header.constData() + 16);
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return false;
  return file.size() % pageSize == 0;
}

QString KeptProfile::DefaultDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

KeptProfile::KeptProfile(const QString& dataFolder, std::ostream& err) {
  const QString storage = QDir(dataFolder).filePath(QStringLiteral("web"));
  QString refused;
  if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder) || !QFileInfo(dataFolder).isWritable()) {
    refused = QStringLiteral("cannot write to %1").arg(dataFolder);
  } else {
    auto lock = std::make_unique<QLockFile>(storage + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);  // a lock is stale only when the run that took it is gone
    if (lock->tryLock(0)) {
      m_Lock = std::move(lock);
    } else if (lock->error() == QLockFile::LockFailedError) {
      refused = QStringLiteral("another run is using %1").arg(storage);
    } else {
      refused = QStringLiteral("cannot lock %1").arg(storage);
    }
  }
  if (!m_Lock) {
    err << "korvane: " << refused.toStdString() << "; this run keeps no logins or saved games" << std::endl;
    m_Profile = std::make_unique<QWebEngineProfile>();
    return;
  }

  const QString cookies = QDir(storage).filePath(QStringLiteral("Cookies"));
  if (!LooksLikeWholeDatabase(cookies)) {
    const QString aside = storage + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool moved = QDir().rename(storage, aside);
    if (!moved) QDir(storage).removeRecursively();
    err << "korvane: the kept web storage was damaged (" << cookies.toStdString() << "); starting afresh"
        << (moved ? ", the old one is in " + aside.toStdString() : std::string()) << std::endl;
  }

  m_Profile = std::make_unique<QWebEngineProfile>(kStorageName);
  m_Profile->setPersistentStoragePath(storage);
  m_Profile->setCachePath(QDir(dataFolder).filePath(QStringLiteral("web-cache")));
  m_Profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  m_Profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
}

KeptProfile::~KeptProfile() {
  // The engine writes the profile out as it goes; the folder is free once the profile is gone.
  m_Profile.reset();
  if (m_Lock) m_Lock->unlock();
}

bool KeptProfile::Persistent() const { return m_Lock != nullptr; }

QString KeptProfile::StorageFolder() const { return Persistent() ? m_Profile->persistentStoragePath() : QString(); }

}  // namespace app
