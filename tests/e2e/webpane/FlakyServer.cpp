#include "FlakyServer.h"

#include <QTcpSocket>

QByteArray FlakyServer::Response(int status, const QByteArray& mime, const QByteArray& body,
                                 const QByteArray& headers) {
    QByteArray r = "HTTP/1.1 " + QByteArray::number(status) +
                   " X\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n";
    if (!mime.isEmpty()) r += "Content-Type: " + mime + "\r\n";
    return r + headers + "\r\n" + body;
}

FlakyServer::FlakyServer() {
    QObject::connect(&m_Listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_Listener.nextPendingConnection()) {
            socket->setParent(&m_Listener);
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool FlakyServer::Up() {
    if (m_Listener.isListening()) return true;
    if (!m_Listener.listen(QHostAddress::LocalHost, m_Port)) return false;
    m_Port = m_Listener.serverPort();
    return true;
}

void FlakyServer::Down() {
    m_Listener.close();
    for (QTcpSocket* socket : m_Listener.findChildren<QTcpSocket*>()) socket->abort();
}

QUrl FlakyServer::Url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_Port).arg(path));
}

int FlakyServer::Hits(const QString& path) const {
    auto it = m_Hits.find(path);
    return it == m_Hits.end() ? 0 : it->second;
}

void FlakyServer::Serve(QTcpSocket* socket) {
    if (socket->property("seen").toBool()) return;  // one request a connection; the rest is body
    const QByteArray head = socket->peek(8192);
    if (!head.contains("\r\n\r\n")) return;
    socket->setProperty("seen", true);
    const QString path = QString::fromLatin1(head.split(' ').value(1)).section(QLatin1Char('?'), 0, 0);
    ++m_Hits[path];
    auto it = m_Routes.find(path);
    const QByteArray answer = it == m_Routes.end() || it->second.empty() ? Response(404, "", "") : it->second.front();
    if (it != m_Routes.end() && it->second.size() > 1) it->second.pop_front();
    if (answer.isEmpty()) return;  // stalled: the request stays unanswered until the server goes down
    if (answer != HangUp()) socket->write(answer);
    socket->disconnectFromHost();
}
