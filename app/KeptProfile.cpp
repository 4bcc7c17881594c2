#include "app/KeptProfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QSysInfo>
#include <QtEndian>
#include <ostream>

namespace app {

namespace {

// How young a lock file that is not (yet) a whole lock may be and still be one being written.
constexpr qint64 kLockBeingWrittenMs = 2000;

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

bool TakeLock(QLockFile& lock, QString* takenOver) {
  // Time alone never makes a lock stale: a run may hold the storage for days.
  lock.setStaleLockTime(0);
  const QString path = lock.fileName();
  qint64 pid = 0;
  QString host, appName;
  // Qt takes over a lock of this host whose process is gone on its own; what it was is read first
  // so that the line can say so.
  const bool existed = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
  const bool readable = existed && lock.getLockInfo(&pid, &host, &appName);
  if (lock.tryLock(0)) {
    if (readable && takenOver) *takenOver = QStringLiteral("left by process %1, which is gone").arg(pid);
    return true;
  }
  if (lock.error() != QLockFile::LockFailedError) return false;
  const bool sameHost = host.isEmpty() || host == QSysInfo::machineHostName();
  if (readable && sameHost) return false;  // a live run of this host
  if (!readable) {
    // Qt writes the whole lock the moment it makes the file: only a young one may be on its way.
    const QDateTime modified = QFileInfo(path).lastModified();
    if (modified.isValid() && qAbs(modified.msecsTo(QDateTime::currentDateTime())) < kLockBeingWrittenMs) return false;
  }
  // Removing takes the file's own lock first, which a live holder keeps (here or on another host
  // sharing the folder): such a lock stays.
  if (!lock.removeStaleLockFile() || !lock.tryLock(0)) return false;
  if (takenOver)
    *takenOver = readable ? QStringLiteral("left by process %1 of host %2").arg(pid).arg(host)
                          : QStringLiteral("which was not a lock file");
  return true;
}

StorageChoice ChooseStorage(const QString& dataFolder, std::ostream& err, qint64 minFreeBytes) {
  StorageChoice choice;
  const QString storage = QDir(dataFolder).filePath(QStringLiteral("web"));
  const QFileInfo storageInfo(storage);
  if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder) || !QFileInfo(dataFolder).isWritable()) {
    choice.refused = QStringLiteral("cannot write to %1").arg(dataFolder);
    return choice;
  }
  if ((storageInfo.exists() || storageInfo.isSymLink()) && !storageInfo.isDir()) {
    choice.refused = QStringLiteral("%1 is not a folder").arg(storage);
    return choice;
  }
  const QStorageInfo volume(dataFolder);
  if (volume.isValid() && volume.bytesAvailable() < minFreeBytes) {
    choice.refused = QStringLiteral("%1 is full (%2 kB free)").arg(dataFolder).arg(volume.bytesAvailable() / 1024);
    return choice;
  }

  auto lock = std::make_unique<QLockFile>(storage + QStringLiteral(".lock"));
  QString takenOver;
  if (!TakeLock(*lock, &takenOver)) {
    choice.refused = lock->error() == QLockFile::LockFailedError
                         ? QStringLiteral("another run is using %1").arg(storage)
                         : QStringLiteral("cannot lock %1").arg(storage);
    return choice;
  }
  if (!takenOver.isEmpty())
    err << "korvane: took over the lock " << lock->fileName().toStdString() << " " << takenOver.toStdString()
        << std::endl;

  // A damaged cookie database is moved aside on its own, with its journal; local storage and the
  // rest stay as they are. Nothing is deleted: if it cannot be moved, this run leaves it alone.
  const QString cookies = QDir(storage).filePath(QStringLiteral("Cookies"));
  if (!LooksLikeWholeDatabase(cookies)) {
    const QString aside = cookies + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString journal = cookies + QStringLiteral("-journal");
    if (!QDir().rename(cookies, aside)) {
      choice.refused = QStringLiteral("the cookie database %1 is damaged and cannot be set aside").arg(cookies);
      return choice;
    }
    if (QFileInfo(journal).exists() || QFileInfo(journal).isSymLink()) QDir().rename(journal, aside + "-journal");
    err << "korvane: the kept cookie database was damaged; it is set aside as " << aside.toStdString()
        << " and this run starts without cookies" << std::endl;
  }
  choice.storage = storage;
  choice.lock = std::move(lock);
  return choice;
}

}  // namespace app
