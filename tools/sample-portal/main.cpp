// sample-portal: the bundled local web site the program's two panes load.
//   sample-portal [--port N]     (default 8421; 0 picks a free port)
// The first line on stdout is "listening on 127.0.0.1:PORT"; then one line per request.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

#include "PortalServer.h"

namespace {

void Line(std::FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toUtf8().constData());
  std::fflush(stream);  // read by scripts through a pipe or a file
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("sample-portal"));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Korvane's local sample portal and music player"));
  parser.addHelpOption();
  const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
                                      QStringLiteral("N"), QStringLiteral("8421"));
  parser.addOption(portOption);
  if (!parser.parse(QCoreApplication::arguments())) {
    Line(stderr, QStringLiteral("sample-portal: ") + parser.errorText());
    return 2;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (!parser.positionalArguments().isEmpty()) {
    Line(stderr, QStringLiteral("sample-portal: unexpected argument ") + parser.positionalArguments().first());
    return 2;
  }
  bool ok = false;
  const uint port = parser.value(portOption).toUInt(&ok);
  if (!ok || port > 65535) {
    Line(stderr, QStringLiteral("sample-portal: --port takes a number from 0 to 65535"));
    return 2;
  }

  portal::PortalServer server([](const QString& line) { Line(stdout, line); });
  QString error;
  const quint16 bound = server.Listen(QHostAddress::LocalHost, static_cast<quint16>(port), &error);
  if (bound == 0) {
    Line(stderr, QStringLiteral("sample-portal: cannot listen on 127.0.0.1:%1: %2").arg(port).arg(error));
    return 1;
  }
  Line(stdout, QStringLiteral("listening on 127.0.0.1:%1").arg(bound));
  return QCoreApplication::exec();
}
