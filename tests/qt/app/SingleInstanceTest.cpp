// One run at a time: locks nobody holds, a first run still building its window, a first run that
// cannot listen, and folders and sockets that are not this user's.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <future>
#include <sstream>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/SingleInstance.h"

namespace {

using app::SingleInstance;

int Lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(SingleInstance, ALockThatIsNoLiveRunsIsTakenOverWithOneLine) {
  for (const QByteArray& content : {QByteArray(""), QByteArray("1234\nkorvane\nsome-other-host\n")}) {
    SCOPED_TRACE(content.toStdString());
    QTemporaryDir dir;
    const QString key = dir.filePath("korvane");
    {
      QFile f(key + ".lock");
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(content);
      ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    SingleInstance instance(key);
    std::ostringstream err;
    EXPECT_EQ(instance.HandOver(err), SingleInstance::Start::Run);
    EXPECT_TRUE(instance.Primary());
    EXPECT_EQ(Lines(err.str()), 1) << err.str();
    EXPECT_NE(err.str().find("took over"), std::string::npos) << err.str();
  }
}

TEST(SingleInstance, ASecondStartWaitsForAFirstStillBuildingItsWindow) {
  QTemporaryDir dir;
  const QString key = dir.filePath("korvane");
  SingleInstance first(key);
  std::ostringstream firstErr;
  ASSERT_EQ(first.HandOver(firstErr), SingleInstance::Start::Run);
  ASSERT_TRUE(first.Listen(firstErr));
  int activations = 0;
  QObject::connect(&first, &SingleInstance::Activate, [&] { ++activations; });

  auto second = std::async(std::launch::async, [key] {
    SingleInstance instance(key);
    std::ostringstream err;
    return instance.HandOver(err);
  });
  // The first run builds its window (no event loop) for longer than a start used to wait.
  QThread::msleep(1500);
  QElapsedTimer waited;
  waited.start();
  while (second.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready && waited.elapsed() < 20000)
    QCoreApplication::processEvents();
  ASSERT_EQ(second.wait_for(std::chrono::seconds(0)), std::future_status::ready);
  EXPECT_EQ(second.get(), SingleInstance::Start::HandedOver);
  EXPECT_EQ(activations, 1);
}

TEST(SingleInstance, AFirstRunThatCannotListenSaysSoAndLaterStartsRun) {
  struct Case {
    const char* what;
    bool folderAtSocket;
    int nameLength;
  };
  for (const Case& c : {Case{"a folder where the socket goes", true, 8}, Case{"a name too long", false, 120}}) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString key = dir.filePath(QString(c.nameLength, QLatin1Char('k')));
    if (c.folderAtSocket) {
      ASSERT_TRUE(QDir().mkpath(key + ".socket/inside"));
    }
    SingleInstance first(key);
    std::ostringstream err;
    ASSERT_EQ(first.HandOver(err), SingleInstance::Start::Run);
    EXPECT_FALSE(first.Listen(err));
    EXPECT_EQ(Lines(err.str()), 1) << err.str();
    EXPECT_NE(err.str().find("cannot listen"), std::string::npos) << err.str();

    SingleInstance later(key);
    std::ostringstream laterErr;
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(later.HandOver(laterErr), SingleInstance::Start::Run);
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_TRUE(QFileInfo(key + ".socket/inside").isDir() || !c.folderAtSocket);
  }
}

TEST(SingleInstance, OnlyAFolderThisUserAloneCanWriteIsPrivate) {
  QTemporaryDir dir;
  const QString own = dir.filePath("own"), open = dir.filePath("open"), link = dir.filePath("link"),
                other = dir.filePath("other");
  ASSERT_EQ(::mkdir(QFile::encodeName(own).constData(), 0700), 0);
  ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0700), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
  ASSERT_TRUE(QFile::link(own, link));
  ASSERT_EQ(::mkdir(QFile::encodeName(other).constData(), 0700), 0);
  const bool otherOwned = ::getuid() == 0 && ::chown(QFile::encodeName(other).constData(), 65534, 65534) == 0;
  EXPECT_TRUE(SingleInstance::PrivateFolder(own));
  EXPECT_FALSE(SingleInstance::PrivateFolder(open));
  EXPECT_FALSE(SingleInstance::PrivateFolder(link));
  EXPECT_FALSE(SingleInstance::PrivateFolder(dir.filePath("missing")));
  if (otherOwned) {
    EXPECT_FALSE(SingleInstance::PrivateFolder(other));
  }
}

TEST(SingleInstance, NoHandOverToASocketOfAnotherUser) {
  if (::getuid() != 0) GTEST_SKIP() << "needs root to be another user";
  QTemporaryDir dir;
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  const QString key = dir.filePath("korvane");
  const QByteArray lockPath = QFile::encodeName(key + ".lock"), socketPath = QFile::encodeName(key + ".socket");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  // Another user's process: a lock it holds, and a socket that answers as a running program would.
  const pid_t child = ::fork();
  if (child == 0) {
    const int fd = ::open(lockPath.constData(), O_CREAT | O_WRONLY, 0644);
    const QByteArray lock =
        QByteArray::number(::getpid()) + "\nkorvane-test\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    if (fd < 0 || ::write(fd, lock.constData(), lock.size()) != lock.size() || ::flock(fd, LOCK_EX) != 0) ::_exit(1);
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.constData());
    if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(server, 4) != 0)
      ::_exit(1);
    ::chmod(socketPath.constData(), 0777);
    [[maybe_unused]] const ssize_t n = ::write(ready[1], "r", 1);
    for (;;) {
      const int peer = ::accept(server, nullptr, nullptr);
      char buffer[64];
      [[maybe_unused]] const ssize_t got = ::read(peer, buffer, sizeof buffer);
      [[maybe_unused]] const ssize_t sent = ::write(peer, "ok\n", 3);
      ::close(peer);
    }
  }
  ASSERT_GT(child, 0);
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  SingleInstance instance(key);
  std::ostringstream err;
  const SingleInstance::Start start = instance.HandOver(err);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(start, SingleInstance::Start::Run);
  EXPECT_NE(err.str().find("not served by this user"), std::string::npos) << err.str();
}

}  // namespace
