#include "PortalServer.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QRegularExpression>
#include <QTcpServer>
#include <QUrlQuery>

#include "Games.h"
#include "Tune.h"

namespace portal {
namespace {

using Status = QHttpServerResponder::StatusCode;

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");

QByteArray Resource(const QString& name) {
  QFile file(QStringLiteral(":/portal/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QHttpServerResponse Html(const QString& page, Status status = Status::Ok) {
  return QHttpServerResponse(kHtml, page.toUtf8(), status);
}

QByteArray NotFoundBody() {
  return QStringLiteral("<!DOCTYPE html><meta charset=\"utf-8\"><title>404</title>"
                        "<p style=\"font:13px sans-serif\">页面不存在 · Not found. <a href=\"/qqwap/\">返回</a></p>")
      .toUtf8();
}

QHttpServerResponse NotFound() { return QHttpServerResponse(kHtml, NotFoundBody(), Status::NotFound); }

QString MethodName(QHttpServerRequest::Method m) {
  switch (m) {
    case QHttpServerRequest::Method::Get: return QStringLiteral("GET");
    case QHttpServerRequest::Method::Head: return QStringLiteral("HEAD");
    case QHttpServerRequest::Method::Post: return QStringLiteral("POST");
    default: return QStringLiteral("OTHER");
  }
}

// The member name of the log-in cookie, if the request carries one.
QString Member(const QHttpServerRequest& request) {
  for (const QByteArray& part : request.value(QByteArrayLiteral("Cookie")).split(';')) {
    const QByteArray kv = part.trimmed();
    if (kv.startsWith("member=")) return QUrl::fromPercentEncoding(kv.mid(7));
  }
  return {};
}

QString Target(const QHttpServerRequest& request) {
  return request.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded);
}

}  // namespace

PortalServer::PortalServer(std::function<void(const QString&)> log) : m_Tune(TuneWav()), m_Log(std::move(log)) {
  m_Server.route("/", [](const QHttpServerRequest&) { return Html(QString::fromUtf8(Resource("index.html"))); });
  m_Server.route("/qqwap/", [](const QHttpServerRequest& request) { return Html(PortalPage(Member(request))); });
  // Log-in: any name of 1 to 16 characters; a session cookie (the browser keeps it no longer than
  // its session unless it keeps cookies for good). The answer is the name.
  m_Server.route("/qqwap/login", QHttpServerRequest::Method::Post, [](const QHttpServerRequest& request) {
    const QString user = QUrlQuery(QString::fromUtf8(request.body()).replace(QLatin1Char('+'), QLatin1Char(' ')))
                             .queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded)
                             .trimmed();
    if (user.isEmpty() || user.size() > 16)
      return QHttpServerResponse(QByteArrayLiteral("text/plain; charset=utf-8"), QByteArray(), Status::BadRequest);
    QHttpServerResponse answer(QByteArrayLiteral("text/plain; charset=utf-8"), user.toUtf8());
    answer.addHeader(QByteArrayLiteral("Set-Cookie"), "member=" + QUrl::toPercentEncoding(user) + "; Path=/");
    return answer;
  });
  // Where the start page reports its visit count and member name; answered with nothing.
  m_Server.route("/qqwap/seen", [](const QHttpServerRequest&) {
    return QHttpServerResponse(QByteArrayLiteral("image/gif"), QByteArray(), Status::NoContent);
  });
  m_Server.route("/qqwap/portal.css", [](const QHttpServerRequest&) {
    return QHttpServerResponse(QByteArrayLiteral("text/css; charset=utf-8"), Resource("portal.css"));
  });
  m_Server.route("/qqwap/links", [](const QHttpServerRequest&) {
    return Html(QString::fromUtf8(Resource("links.html")));
  });
  m_Server.route("/qqwap/game/<arg>", [](int id, const QHttpServerRequest&) {
    const QString page = GamePage(id);
    return page.isEmpty() ? NotFound() : Html(page);
  });
  m_Server.route("/songplayer/v2/360", [](const QHttpServerRequest& request) {
    return Html(PlayerPage(request.query().queryItemValue(QStringLiteral("lid"))));
  });
  m_Server.route("/songplayer/v2/tune.wav", [this](const QHttpServerRequest& request) { return Tune(request); });

  m_Server.afterRequest([this](QHttpServerResponse&& response, const QHttpServerRequest& request) {
    m_Log(QStringLiteral("%1 %2 %3").arg(MethodName(request.method()), Target(request)).arg(int(response.statusCode())));
    return std::move(response);
  });
  m_Server.setMissingHandler([this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    m_Log(QStringLiteral("%1 %2 404").arg(MethodName(request.method()), Target(request)));
    responder.write(NotFoundBody(), kHtml, Status::NotFound);
  });
}

// The media stack asks for byte ranges; answering them lets the tune loop and seek.
QHttpServerResponse PortalServer::Tune(const QHttpServerRequest& request) const {
  const qsizetype size = m_Tune.size();
  const QByteArray range = request.value(QByteArrayLiteral("Range"));
  static const QRegularExpression bytes(QStringLiteral("^bytes=(\\d*)-(\\d*)$"));
  const auto match = bytes.match(QString::fromLatin1(range.trimmed()));
  if (range.isEmpty() || !match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty())) {
    QHttpServerResponse whole(QByteArrayLiteral("audio/wav"), m_Tune);
    whole.addHeader(QByteArrayLiteral("Accept-Ranges"), QByteArrayLiteral("bytes"));
    return whole;
  }
  qint64 first = 0, last = size - 1;
  if (match.captured(1).isEmpty()) {  // the last N bytes
    first = std::max<qint64>(0, size - match.captured(2).toLongLong());
  } else {
    first = match.captured(1).toLongLong();
    if (!match.captured(2).isEmpty()) last = std::min<qint64>(last, match.captured(2).toLongLong());
  }
  if (first >= size || first > last) {
    QHttpServerResponse refused(Status::RequestRangeNotSatisfiable);
    refused.addHeader(QByteArrayLiteral("Content-Range"), "bytes */" + QByteArray::number(size));
    return refused;
  }
  QHttpServerResponse part(QByteArrayLiteral("audio/wav"), m_Tune.mid(first, last - first + 1),
                           Status::PartialContent);
  part.addHeader(QByteArrayLiteral("Accept-Ranges"), QByteArrayLiteral("bytes"));
  part.addHeader(QByteArrayLiteral("Content-Range"), "bytes " + QByteArray::number(first) + "-" +
                                                         QByteArray::number(last) + "/" + QByteArray::number(size));
  return part;
}

quint16 PortalServer::Listen(const QHostAddress& address, quint16 port, QString* error) {
  // Our own socket, so that a refused port comes back with the system's reason.
  auto* tcp = new QTcpServer(&m_Server);
  if (!tcp->listen(address, port)) {
    if (error) *error = tcp->errorString();
    delete tcp;
    return 0;
  }
  m_Server.bind(tcp);
  return tcp->serverPort();
}

}  // namespace portal
