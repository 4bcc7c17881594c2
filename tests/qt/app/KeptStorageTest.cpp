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

// Writes the file, `ageSeconds` old.
void Write(const QString& path, const QByteArray& data, int ageSeconds = 0) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(data);
  f.flush();
  ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

TEST(TakeLock, ALockNoLiveRunHoldsIsTakenOverAndALiveOneIsNot) {
  const QByteArray host = QSysInfo::machineHostName().toUtf8();
  const struct {
    QByteArray content;  // null: held by a live lock of this process
    int age;
    bool taken;
  } cases[] = {
      {"", 60, true},                                   // empty
      {"\x7f not a lock\n", 60, true},                  // garbage
      {"4242\nkorvane\nsome-other-host\n", 60, true},   // another host's
      {"99999999\nkorvane\n" + host + "\n", 60, true},  // a process that is gone
      {"", 0, false},                                   // being written this moment
      {QByteArray(), 0, false},                         // a live run's
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content.toStdString());
    QTemporaryDir dir;
    QLockFile holder(dir.filePath("web.lock")), lock(dir.filePath("web.lock"));
    if (c.content.isNull())
      ASSERT_TRUE(holder.tryLock(0));
    else
      Write(dir.filePath("web.lock"), c.content, c.age);
    QString takenOver;
    EXPECT_EQ(app::TakeLock(lock, &takenOver), c.taken);
    EXPECT_EQ(!takenOver.isEmpty(), c.taken) << takenOver.toStdString();
  }
}

TEST(ChooseStorage, OnlyTheDamagedCookiesAreSetAsideAndNothingIsDeleted) {
  for (const bool webIsLink : {false, true}) {
    SCOPED_TRACE(webIsLink ? "web a link to the user's folder" : "web a folder");
    QTemporaryDir dir;
    const QString data = dir.filePath("data"), web = data + "/web", real = webIsLink ? dir.filePath("own") : web;
    ASSERT_TRUE(QDir().mkpath(data) && QDir().mkpath(real + "/Local Storage"));
    if (webIsLink) {
      ASSERT_TRUE(QFile::link(real, web));
    }
    Write(real + "/Local Storage/000003.log", "saved game");
    Write(real + "/Cookies", QByteArray("SQLite format 3\0", 16) + "cut short");
    std::ostringstream err;
    const app::StorageChoice choice = app::ChooseStorage(data, err);
    const std::string said = err.str();
    EXPECT_EQ(choice.storage, web) << choice.refused.toStdString();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(QDir(real).entryList({"Cookies*"}).value(0).left(16), "Cookies.damaged-");
    EXPECT_TRUE(QFile::exists(real + "/Local Storage/000003.log"));
    EXPECT_TRUE(QFileInfo(web).isDir());
  }
}

TEST(ChooseStorage, AFolderItCannotUseIsRefusedWithItsReason) {
  const struct {
    bool webIsAFile, lockHeld;
    qint64 minFree;
    const char* reason;
  } cases[] = {
      {true, false, app::kMinFreeBytes, "is not a folder"},
      {false, false, std::numeric_limits<qint64>::max(), "is full"},
      {false, true, app::kMinFreeBytes, "another run is using"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    QTemporaryDir dir;
    if (c.webIsAFile) Write(dir.filePath("web"), "not a folder");
    QLockFile other(dir.filePath("web.lock"));
    if (c.lockHeld) {
      ASSERT_TRUE(other.tryLock(0));
    }
    std::ostringstream err;
    const app::StorageChoice choice = app::ChooseStorage(dir.path(), err, c.minFree);
    EXPECT_FALSE(choice.lock);
    EXPECT_TRUE(choice.refused.contains(QString::fromLatin1(c.reason))) << choice.refused.toStdString();
  }
}

}  // namespace
