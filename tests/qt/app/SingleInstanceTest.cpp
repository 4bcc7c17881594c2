// One run at a time: a first run still building its window, one that cannot listen, and folders
// and sockets that are not this user's.
#include <gtest/gtest.h>

#include <QCoreApplication>
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

TEST(SingleInstance, ASecondStartWaitsForAFirstStillBuildingItsWindow) {
  QTemporaryDir dir;
  SingleInstance first(dir.filePath("k"));
  std::ostringstream err;
  ASSERT_EQ(first.HandOver(err), SingleInstance::Start::Run);
  ASSERT_TRUE(first.Listen(err));
  int activations = 0;
  QObject::connect(&first, &SingleInstance::Activate, [&] { ++activations; });
  auto second = std::async(std::launch::async, [&dir] {
    std::ostringstream secondErr;
    return SingleInstance(dir.filePath("k")).HandOver(secondErr);
  });
  QThread::msleep(1500);  // building the window: no event loop yet
  QElapsedTimer waited;
  waited.start();
  while (second.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready && waited.elapsed() < 20000)
    QCoreApplication::processEvents();
  EXPECT_EQ(second.get(), SingleInstance::Start::HandedOver);
  EXPECT_EQ(activations, 1);
}

TEST(SingleInstance, AFirstRunThatCannotListenSaysSoAndLaterStartsRun) {
  for (const bool folderAtSocket : {true, false}) {
    SCOPED_TRACE(folderAtSocket ? "a folder where the socket goes" : "a name too long");
    QTemporaryDir dir;
    const QString key = dir.filePath(QString(folderAtSocket ? 1 : 120, QLatin1Char('k')));
    if (folderAtSocket) {
      ASSERT_TRUE(QDir().mkpath(key + ".socket"));
    }
    SingleInstance first(key), later(key);
    std::ostringstream err;
    ASSERT_EQ(first.HandOver(err), SingleInstance::Start::Run);
    EXPECT_FALSE(first.Listen(err));
    EXPECT_EQ(err.str().rfind("korvane: cannot listen on ", 0), 0u) << err.str();
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(later.HandOver(err), SingleInstance::Start::Run);
    EXPECT_LT(t.elapsed(), 5000);
  }
}

TEST(SingleInstance, OnlyAFolderThisUserAloneCanWriteIsPrivate) {
  QTemporaryDir dir;
  const auto folder = [&](const char* name, mode_t mode, uid_t owner) {
    const QByteArray path = QFile::encodeName(dir.filePath(name));
    EXPECT_EQ(::mkdir(path.constData(), 0700) | ::chmod(path.constData(), mode), 0);
    if (owner != ::getuid()) {
      EXPECT_EQ(::chown(path.constData(), owner, owner), 0);
    }
    return dir.filePath(name);
  };
  EXPECT_TRUE(SingleInstance::PrivateFolder(folder("own", 0700, ::getuid())));
  EXPECT_FALSE(SingleInstance::PrivateFolder(folder("open", 0777, ::getuid())));
  ASSERT_TRUE(QFile::link(dir.filePath("own"), dir.filePath("link")));
  EXPECT_FALSE(SingleInstance::PrivateFolder(dir.filePath("link")));
  if (::getuid() == 0) {
    EXPECT_FALSE(SingleInstance::PrivateFolder(folder("other", 0700, 65534)));
  }
}

TEST(SingleInstance, NoHandOverToASocketOfAnotherUser) {
  if (::getuid() != 0) GTEST_SKIP() << "needs root to be another user";
  QTemporaryDir dir;
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  const QByteArray key = QFile::encodeName(dir.filePath("k"));
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  // Another user's process: a lock it holds, and a socket that answers as a running program would.
  const pid_t child = ::fork();
  if (child == 0) {
    const QByteArray lock = QByteArray::number(::getpid()) + "\nk\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const int fd = ::open(key + ".lock", O_CREAT | O_WRONLY, 0644);
    sockaddr_un address{AF_UNIX, {}};
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s.socket", key.constData());
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::write(fd, lock.constData(), lock.size()) != lock.size() || ::flock(fd, LOCK_EX) != 0 ||
        ::setgid(65534) != 0 || ::setuid(65534) != 0 ||
        ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(server, 4) != 0 ||
        ::chmod(address.sun_path, 0777) != 0 || ::write(ready[1], "r", 1) != 1)
      ::_exit(1);
    for (char buffer[64];;) {
      const int peer = ::accept(server, nullptr, nullptr);
      if (::read(peer, buffer, sizeof buffer) > 0 && ::write(peer, "ok\n", 3) == 3) ::close(peer);
    }
  }
  ::close(ready[1]);
  char c = 0;
  const bool serving = ::read(ready[0], &c, 1) == 1;
  ::close(ready[0]);
  std::ostringstream err;
  const SingleInstance::Start start = SingleInstance(dir.filePath("k")).HandOver(err);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(serving);
  EXPECT_EQ(start, SingleInstance::Start::Run);
  EXPECT_NE(err.str().find("not served by this user"), std::string::npos) << err.str();
}

}  // namespace
