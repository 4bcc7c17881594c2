// Where a run keeps its web storage: locks nobody holds, damaged cookies, folders it cannot use.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>
#include <sstream>

#include "app/KeptProfile.h"

namespace {

void Write(const QString& path, const QByteArray& data) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(data);
}

// Old enough not to be a lock some run is writing this moment.
void MakeOld(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
}

int Lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(TakeLock, ALockNoLiveRunHoldsIsTakenOverAndALiveOneIsNot) {
  struct Case {
    const char* what;
    QByteArray content;  // null: held by a live lock of this process
    bool old;
    bool taken;
  };
  const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
  const Case cases[] = {
      {"empty", "", true, true},
      {"garbage", "\x7f\x01 not a lock\n", true, true},
      {"of another host", "4242\nkorvane\nsome-other-host\n", true, true},
      {"of a process that is gone", "99999999\nkorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n", true, true},
      {"empty, being written now", "", false, false},
      {"held by a live run", QByteArray(), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString path = dir.filePath("web.lock");
    QLockFile holder(path);
    if (c.content.isNull())
      ASSERT_TRUE(holder.tryLock(0));
    else
      Write(path, c.content);
    if (c.old) MakeOld(path);
    QLockFile lock(path);
    QString takenOver;
    EXPECT_EQ(app::TakeLock(lock, &takenOver), c.taken);
    EXPECT_EQ(!takenOver.isEmpty(), c.taken) << takenOver.toStdString();
    if (c.taken) {
      qint64 pid = 0;
      QString host, name;
      ASSERT_TRUE(lock.getLockInfo(&pid, &host, &name));
      EXPECT_EQ(pid, QCoreApplication::applicationPid());
    }
  }
}

// A cookie database that SQLite would refuse: the header's first bytes only.
const QByteArray kCutCookies = QByteArray("SQLite format 3\0", 16) + QByteArray(30, '\x01');

TEST(ChooseStorage, OnlyTheDamagedDatabaseIsSetAsideAndNothingIsDeleted) {
  struct Case {
    const char* what;
    bool webIsLink;
  };
  for (const Case& c : {Case{"web a folder", false}, Case{"web a link to the user's folder", true}}) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    const QString web = data + "/web";
    QString real = web;
    ASSERT_TRUE(QDir().mkpath(data));
    if (c.webIsLink) {
      real = dir.filePath("users-own");
      ASSERT_TRUE(QFile::link(real, web));
    }
    ASSERT_TRUE(QDir().mkpath(real + "/Local Storage/leveldb"));
    Write(real + "/Local Storage/leveldb/000003.log", "saved game");
    Write(real + "/users-file.txt", "keep me");
    Write(real + "/Cookies", kCutCookies);

    std::ostringstream err;
    app::StorageChoice choice = app::ChooseStorage(data, err);
    EXPECT_TRUE(choice.lock) << choice.refused.toStdString();
    EXPECT_EQ(choice.storage, web);
    EXPECT_EQ(Lines(err.str()), 1) << err.str();
    EXPECT_NE(err.str().find("set aside"), std::string::npos) << err.str();
    EXPECT_FALSE(QFile::exists(real + "/Cookies"));
    EXPECT_EQ(QDir(real).entryList({"Cookies.damaged-*"}).size(), 1);
    EXPECT_TRUE(QFile::exists(real + "/Local Storage/leveldb/000003.log"));
    EXPECT_TRUE(QFile::exists(real + "/users-file.txt"));
    EXPECT_TRUE(QFileInfo(web).isDir());
  }
}

TEST(ChooseStorage, AFolderItCannotUseIsRefusedWithItsReason) {
  struct Case {
    const char* what;
    bool webIsAFile, lockHeld;
    qint64 minFree;
    const char* reason;
  };
  const Case cases[] = {
      {"web a plain file", true, false, app::kMinFreeBytes, "is not a folder"},
      {"a full folder", false, false, std::numeric_limits<qint64>::max(), "is full"},
      {"another run's", false, true, app::kMinFreeBytes, "another run is using"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    ASSERT_TRUE(QDir().mkpath(data));
    if (c.webIsAFile) Write(data + "/web", "not a folder");
    QLockFile other(data + "/web.lock");
    if (c.lockHeld) {
      ASSERT_TRUE(other.tryLock(0));
    }
    std::ostringstream err;
    const app::StorageChoice choice = app::ChooseStorage(data, err, c.minFree);
    EXPECT_FALSE(choice.lock);
    EXPECT_TRUE(choice.storage.isEmpty());
    EXPECT_TRUE(choice.refused.contains(QString::fromLatin1(c.reason))) << choice.refused.toStdString();
    if (c.webIsAFile) {
      EXPECT_TRUE(QFileInfo(data + "/web").isFile());
    }
  }
}

}  // namespace
