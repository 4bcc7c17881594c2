#pragma once
// A loopback HTTP server of the tests' own that misbehaves on request: it goes down and comes back
// on the same port, leaves requests unanswered, and answers with whatever bytes a test gives
// (redirects to local schemes, bodies that are not HTML, error statuses without a body).
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <deque>
#include <map>

class FlakyServer : public QObject {
public:
    FlakyServer();

    // A whole response, status line included; Connection: close is added.
    static QByteArray Response(int status, const QByteArray& mime, const QByteArray& body,
                               const QByteArray& headers = {});

    void Answer(const QString& path, const QByteArray& response) { m_Routes[path] = {response}; }
    // Each answer once, in turn; the last one from then on.
    void AnswerInTurn(const QString& path, std::deque<QByteArray> responses) { m_Routes[path] = std::move(responses); }
    // The bytes of an answer that closes the connection without a byte sent.
    static QByteArray HangUp() { return QByteArrayLiteral("\0hang-up"); }
    void Page(const QString& path, const QByteArray& html) { Answer(path, Response(200, "text/html", html)); }
    void Stall(const QString& path) { m_Routes[path] = {QByteArray()}; }

    // Listens (on the port it had before, once it had one); false when it cannot.
    bool Up();
    // Stops listening and drops every open connection: the address refuses connections.
    void Down();

    QUrl Url(const QString& path) const;
    int Hits(const QString& path) const;

private:
    void Serve(QTcpSocket* socket);

    QTcpServer m_Listener;
    quint16 m_Port = 0;
    std::map<QString, std::deque<QByteArray>> m_Routes;
    std::map<QString, int> m_Hits;
};
