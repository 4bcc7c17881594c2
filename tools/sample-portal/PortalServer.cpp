#include "PortalServer.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QRegularExpression>
#include <QTcpServer>
#include <QUrlQuery>

#include <limits>

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
  return QStringLiteral(
             "<!DOCTYPE html><meta charset=\"utf-8\"><title>404</title>"
             "<p style=\"font:13px sans-serif\">页面不存在 · Not found. <a href=\"/qqwap/\">返回</a></p>")
      .toUtf8();
}

QHttpServerResponse NotFound() { return QHttpServerResponse(kHtml, NotFoundBody(), Status::NotFound); }

QString MethodName(QHttpServerRequest::Method m) {
  switch (m) {
    case QHttpServerRequest::Method::Get: return QStringLiteral("GET");
    case QHttpServerRequest::Method::Head: return QStringLiteral("HEAD");
    case QHttpServerRequest::Method::Post: return QStringLiteral("POST");
    case QHttpServerRequest::Method::Put: return QStringLiteral("PUT");
    case QHttpServerRequest::Method::Delete: return QStringLiteral("DELETE");
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

// Log-in: any name of 1 to 16 characters; a session cookie (the browser keeps it no longer than
// its session unless it keeps cookies for good). The answer is the name.
QHttpServerResponse LogIn(const QHttpServerRequest& request) {
  const QString user = QUrlQuery(QString::fromUtf8(request.body()).replace(QLatin1Char('+'), QLatin1Char(' ')))
                           .queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded)
                           .trimmed();
  if (user.isEmpty() || user.size() > 16)
    return QHttpServerResponse(QByteArrayLiteral("text/plain; charset=utf-8"), QByteArray(), Status::BadRequest);
  QHttpServerResponse answer(QByteArrayLiteral("text/plain; charset=utf-8"), user.toUtf8());
  answer.addHeader(QByteArrayLiteral("Set-Cookie"), "member=" + QUrl::toPercentEncoding(user) + "; Path=/");
  return answer;
}

bool IsLogIn(const QHttpServerRequest& request) { return request.url().path() == QLatin1String("/qqwap/login"); }

QString Target(const QHttpServerRequest& request) {
  return request.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded);
}

}  // namespace

PortalServer::PortalServer(std::function<void(const QString&)> log) : m_Tune(TuneWav()), m_Log(std::move(log)) {
  // Every request comes here, so that HEAD and the methods we do not serve are answered as HTTP
  // asks: HEAD with the headers of GET and no body, anything else but GET with 405.
  m_Server.setMissingHandler([this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    const QHttpServerResponse response = Answer(request);
    const auto method = request.method();
    const bool known = response.statusCode() != Status::NotFound;
    // The log-in form is the one address that takes a POST, and only a POST.
    const bool allowed = IsLogIn(request)
                             ? method == QHttpServerRequest::Method::Post
                             : method == QHttpServerRequest::Method::Get || method == QHttpServerRequest::Method::Head;
    if (known && !allowed) {
      m_Log(QStringLiteral("%1 %2 405").arg(MethodName(method), Target(request)));
      const QByteArray body = QByteArrayLiteral("Method not allowed.\n");
      responder.writeStatusLine(Status::MethodNotAllowed);
      responder.writeHeader(QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/plain; charset=utf-8"));
      responder.writeHeader(QByteArrayLiteral("Allow"),
                            IsLogIn(request) ? QByteArrayLiteral("POST") : QByteArrayLiteral("GET, HEAD"));
      responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(body.size()));
      // A reply to HEAD never has a body, whatever its status: on a kept-alive connection the
      // client would read it as the start of the next reply.
      responder.writeBody(method == QHttpServerRequest::Method::Head ? QByteArray() : body);
      return;
    }
    m_Log(QStringLiteral("%1 %2 %3").arg(MethodName(method), Target(request)).arg(int(response.statusCode())));
    if (method != QHttpServerRequest::Method::Head) {
      response.write(std::move(responder));
      return;
    }
    responder.writeStatusLine(response.statusCode());
    for (const QByteArray& name :
         {QByteArrayLiteral("Content-Type"), QByteArrayLiteral("Accept-Ranges"), QByteArrayLiteral("Content-Range")})
      for (const QByteArray& value : response.headers(name)) responder.writeHeader(name, value);
    responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(response.data().size()));
    responder.writeBody(QByteArray());
  });
}

QHttpServerResponse PortalServer::Answer(const QHttpServerRequest& request) const {
  const QString path = request.url().path();
  if (path == QLatin1String("/")) return Html(QString::fromUtf8(Resource("index.html")));
  if (path == QLatin1String("/qqwap/")) return Html(PortalPage(Member(request)));
  if (IsLogIn(request)) return LogIn(request);
  // Where the start page reports its visit count and member name; answered with nothing.
  if (path == QLatin1String("/qqwap/seen"))
    return QHttpServerResponse(QByteArrayLiteral("image/gif"), QByteArray(), Status::NoContent);
  if (path == QLatin1String("/qqwap/portal.css"))
    return QHttpServerResponse(QByteArrayLiteral("text/css; charset=utf-8"), Resource("portal.css"));
  if (path == QLatin1String("/qqwap/links")) return Html(QString::fromUtf8(Resource("links.html")));
  static const QRegularExpression game(QStringLiteral("^/qqwap/game/(\\d+)$"));
  if (const auto m = game.match(path); m.hasMatch()) {
    bool ok = false;
    const int id = m.captured(1).toInt(&ok);
    const QString page = ok ? GamePage(id) : QString();
    return page.isEmpty() ? NotFound() : Html(page);
  }
  if (path == QLatin1String("/songplayer/v2/360"))
    return Html(PlayerPage(request.query().queryItemValue(QStringLiteral("lid"))));
  if (path == QLatin1String("/songplayer/v2/tune.wav")) return Tune(request);
  return NotFound();
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
  // Digits only; a number too big for 64 bits lies beyond any end.
  const auto number = [](const QString& digits) {
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    return ok ? n : std::numeric_limits<qint64>::max();
  };
  qint64 first = 0, last = size - 1;
  if (match.captured(1).isEmpty()) {  // the last N bytes
    first = std::max<qint64>(0, size - std::min<qint64>(size, number(match.captured(2))));
  } else {
    first = number(match.captured(1));
    if (!match.captured(2).isEmpty()) last = std::min<qint64>(last, number(match.captured(2)));
  }
  if (first >= size || first > last) {
    QHttpServerResponse refused(Status::RequestRangeNotSatisfiable);
    refused.addHeader(QByteArrayLiteral("Content-Range"), "bytes */" + QByteArray::number(size));
    return refused;
  }
  QHttpServerResponse part(QByteArrayLiteral("audio/wav"), m_Tune.mid(first, last - first + 1), Status::PartialContent);
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
