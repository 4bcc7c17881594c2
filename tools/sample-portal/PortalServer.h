#pragma once
// The bundled local web site: a mobile game portal at /qqwap/, a few game pages, a link-check
// page and the music player at /songplayer/v2/360 with its synthesised tune.
#include <QByteArray>
#include <QHostAddress>
#include <QHttpServer>
#include <QString>

#include <functional>

namespace portal {

class PortalServer {
 public:
  // log receives one line per request ("GET /qqwap/ 200").
  explicit PortalServer(std::function<void(const QString&)> log);

  // Binds address:port (port 0: any free port). Returns the bound port, or 0 with *error set.
  quint16 Listen(const QHostAddress& address, quint16 port, QString* error);

 private:
  // The answer to GET for the request's path (404 for an unknown one).
  QHttpServerResponse Answer(const QHttpServerRequest& request) const;
  QHttpServerResponse Tune(const QHttpServerRequest& request) const;

  QHttpServer m_Server;
  QByteArray m_Tune;
  std::function<void(const QString&)> m_Log;
};

}  // namespace portal
