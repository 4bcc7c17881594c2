// bare-webview [--profile DATA] URL: the comparison program for the start-up benchmark. One
// QWebEngineView in a borderless window of the program's size (519 x 368) showing URL, with the
// same paint probe. With --profile its page keeps its storage under DATA as the program does
// (DATA/web, DATA/web-cache, cookies kept); without, it is off the record.
#include <QApplication>
#include <QDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>
#include <memory>

#include "PaintProbe.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // as the program does
  QApplication app(argc, argv);
  const bool kept = argc == 4 && std::strcmp(argv[1], "--profile") == 0;
  if (argc != 2 && !kept) {
    std::fprintf(stderr, "usage: bare-webview [--profile DATA] URL\n");
    return 2;
  }
  std::unique_ptr<QWebEngineProfile> profile;
  if (kept) {
    const QDir data(QString::fromLocal8Bit(argv[2]));
    profile = std::make_unique<QWebEngineProfile>(QStringLiteral("korvane"));
    profile->setPersistentStoragePath(data.filePath(QStringLiteral("web")));
    profile->setCachePath(data.filePath(QStringLiteral("web-cache")));
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  }
  int status = 0;
  {
    QWebEngineView view;
    if (profile) view.setPage(new QWebEnginePage(profile.get(), &view));
    view.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    view.setFixedSize(519, 368);
    benchprobe::WatchFirstPaint(view.page());
    view.load(QUrl(QString::fromLocal8Bit(argv[argc - 1])));
    view.show();
    status = app.exec();
  }  // the page goes before its profile
  return status;
}
