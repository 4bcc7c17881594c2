// sample-portal as the program meets it: started on port 0, pages and the tune fetched over HTTP.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <memory>

namespace {

struct Reply {
  int status = 0;
  QByteArray contentType;
  QByteArray body;
  QByteArray contentRange;
  QByteArray contentLength;
  QByteArray allow;
};

// A running portal; stopped when the test ends.
class Portal {
 public:
  explicit Portal(const QStringList& args = {"--port", "0"}) {
    m_Process.start(QStringLiteral(SAMPLE_PORTAL), args);
    if (!m_Process.waitForStarted(5000)) return;
    if (!m_Process.waitForReadyRead(5000)) return;
    while (!m_Process.canReadLine() && m_Process.waitForReadyRead(2000)) {
    }
    firstLine = QString::fromUtf8(m_Process.readLine()).trimmed();
    const auto m = QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(firstLine);
    if (m.hasMatch()) port = m.captured(1).toUShort();
  }
  ~Portal() {
    m_Process.kill();
    m_Process.waitForFinished(3000);
  }

  Reply Get(const QString& target, const QByteArray& range = {}) { return Send("GET", target, range); }
  Reply Send(const QByteArray& method, const QString& target, const QByteArray& range = {}) {
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(target)));
    if (!range.isEmpty()) request.setRawHeader("Range", range);
    std::unique_ptr<QNetworkReply> reply(method == "GET"    ? m_Network.get(request)
                                         : method == "HEAD" ? m_Network.head(request)
                                                            : m_Network.sendCustomRequest(request, method));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    Reply r;
    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    r.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    r.contentRange = reply->rawHeader("Content-Range");
    r.contentLength = reply->rawHeader("Content-Length");
    r.allow = reply->rawHeader("Allow");
    r.body = reply->readAll();
    return r;
  }

  // Everything the portal logged so far, after its first line.
  QString Log() {
    m_Process.waitForReadyRead(200);
    return QString::fromUtf8(m_Process.readAllStandardOutput());
  }

  QString firstLine;
  quint16 port = 0;

 private:
  QProcess m_Process;
  QNetworkAccessManager m_Network;
};

TEST(SamplePortal, StartsOnAFreePortAndServesThePortal) {
  Portal portal;
  ASSERT_NE(portal.port, 0) << portal.firstLine.toStdString();
  const Reply page = portal.Get("/qqwap/");
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
  const QString html = QString::fromUtf8(page.body);
  EXPECT_TRUE(html.contains(QString::fromUtf8("掌上游戏")));
  EXPECT_TRUE(html.contains("window.open("));
  // Every game link asks for a new window and leads to a page that exists.
  static const QRegularExpression link(QStringLiteral("href=\"(/qqwap/game/\\d+)\" target=\"_blank\""));
  int links = 0;
  for (auto it = link.globalMatch(html); it.hasNext();) {
    const QString target = it.next().captured(1);
    ++links;
    EXPECT_EQ(portal.Get(target).status, 200) << target.toStdString();
  }
  EXPECT_GE(links, 10);  // long enough to scroll in the narrow pane
  EXPECT_EQ(portal.Get("/qqwap/portal.css").status, 200);
  EXPECT_EQ(portal.Get("/qqwap/game/0").status, 404);
  EXPECT_EQ(portal.Get("/no/such/page").status, 404);
  EXPECT_TRUE(portal.Log().contains("GET /qqwap/ 200"));
}

TEST(SamplePortal, LinkCheckPageHasFileAndScriptLinksForNewWindows) {
  Portal portal;
  ASSERT_NE(portal.port, 0);
  const Reply page = portal.Get("/qqwap/links");
  ASSERT_EQ(page.status, 200);
  const QString html = QString::fromUtf8(page.body);
  EXPECT_TRUE(html.contains(QRegularExpression("href=\"file:[^\"]+\" target=\"_blank\"")));
  EXPECT_TRUE(html.contains(QRegularExpression("href=\"javascript:[^\"]+\" target=\"_blank\"")));
}

std::int16_t Sample(const QByteArray& wav, qsizetype index) {
  return qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * index);
}

TEST(SamplePortal, MusicPageAutoplaysALoopingTune) {
  Portal portal;
  ASSERT_NE(portal.port, 0);
  const Reply page = portal.Get("/songplayer/v2/360?lid=100014");
  ASSERT_EQ(page.status, 200);
  const QString html = QString::fromUtf8(page.body);
  const auto audio = QRegularExpression(QStringLiteral("<audio[^>]*\\ssrc=\"([^\"]+)\"[^>]*>")).match(html);
  ASSERT_TRUE(audio.hasMatch()) << html.toStdString();
  EXPECT_TRUE(audio.captured(0).contains(QRegularExpression("\\sautoplay[\\s>]")));
  EXPECT_TRUE(audio.captured(0).contains(QRegularExpression("\\sloop[\\s>]")));

  const Reply tune = portal.Get(audio.captured(1));
  ASSERT_EQ(tune.status, 200);
  EXPECT_EQ(tune.contentType, "audio/wav");
  const QByteArray& wav = tune.body;
  ASSERT_GT(wav.size(), 44);
  EXPECT_EQ(wav.left(4), "RIFF");
  EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
  EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1);  // PCM
  EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 22), 1);  // mono
  const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
  EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 34), 16);
  EXPECT_EQ(wav.mid(36, 4), "data");
  ASSERT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));

  const qsizetype samples = (wav.size() - 44) / 2;
  const double seconds = double(samples) / rate;
  EXPECT_GT(seconds, 3.0);
  EXPECT_LT(seconds, 30.0);
  // Audible, not clipped, and it starts and ends near silence so the loop does not click.
  int peak = 0;
  double energy = 0;
  for (qsizetype i = 0; i < samples; ++i) {
    peak = std::max(peak, std::abs(int(Sample(wav, i))));
    energy += double(Sample(wav, i)) * Sample(wav, i);
  }
  EXPECT_GT(peak, 8000);
  EXPECT_LT(peak, 32767);
  EXPECT_GT(std::sqrt(energy / samples), 1000.0);
  EXPECT_LT(std::abs(int(Sample(wav, 0))), 200);
  EXPECT_LT(std::abs(int(Sample(wav, samples - 1))), 200);
}

TEST(SamplePortal, TuneAnswersByteRanges) {
  Portal portal;
  ASSERT_NE(portal.port, 0);
  const QByteArray whole = portal.Get("/songplayer/v2/tune.wav").body;
  ASSERT_GT(whole.size(), 1000);
  const Reply head = portal.Get("/songplayer/v2/tune.wav", "bytes=0-99");
  EXPECT_EQ(head.status, 206);
  EXPECT_EQ(head.body, whole.left(100));
  EXPECT_EQ(head.contentRange, "bytes 0-99/" + QByteArray::number(whole.size()));
  const Reply tail = portal.Get("/songplayer/v2/tune.wav", "bytes=-10");
  EXPECT_EQ(tail.status, 206);
  EXPECT_EQ(tail.body, whole.right(10));
  const Reply open = portal.Get("/songplayer/v2/tune.wav", "bytes=500-");
  EXPECT_EQ(open.body, whole.mid(500));
  EXPECT_EQ(portal.Get("/songplayer/v2/tune.wav", "bytes=999999999-").status, 416);
  // Numbers beyond 64 bits: a start past any end, an end clamped to the last byte.
  EXPECT_EQ(portal.Get("/songplayer/v2/tune.wav", "bytes=99999999999999999999-").status, 416);
  const Reply big = portal.Get("/songplayer/v2/tune.wav", "bytes=0-99999999999999999999");
  EXPECT_EQ(big.status, 206);
  EXPECT_EQ(big.body, whole);
  EXPECT_EQ(portal.Get("/songplayer/v2/tune.wav", "bytes=-99999999999999999999").body, whole);
}

TEST(SamplePortal, HeadHasNoBodyAndOtherMethodsAreNotAllowed) {
  Portal portal;
  ASSERT_NE(portal.port, 0);
  for (const QString& target : {QStringLiteral("/qqwap/"), QStringLiteral("/songplayer/v2/tune.wav")}) {
    SCOPED_TRACE(target.toStdString());
    const Reply get = portal.Get(target);
    const Reply head = portal.Send("HEAD", target);
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.isEmpty());
    EXPECT_EQ(head.contentType, get.contentType);
    EXPECT_EQ(head.contentLength, QByteArray::number(get.body.size()));
    for (const QByteArray method : {"PUT", "DELETE", "POST", "PATCH", "OPTIONS"}) {
      const Reply refused = portal.Send(method, target);
      EXPECT_EQ(refused.status, 405) << method.constData();
      EXPECT_EQ(refused.allow, "GET, HEAD") << method.constData();
    }
  }
  EXPECT_EQ(portal.Send("HEAD", "/no/such/page").status, 404);
}

TEST(SamplePortal, RepliesToHeadLeaveAKeptAliveConnectionInStep) {
  // Whatever the status, a reply to HEAD ends with its headers: a body left on the connection
  // would be read as the start of the next reply.
  Portal portal;
  ASSERT_NE(portal.port, 0);
  QTcpSocket socket;
  socket.connectToHost(QStringLiteral("127.0.0.1"), portal.port);
  ASSERT_TRUE(socket.waitForConnected(5000));
  const auto exchange = [&](const QByteArray& method, const QByteArray& target) {
    socket.write(method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: keep-alive\r\n\r\n");
    QByteArray got;
    while (!got.contains("\r\n\r\n") && socket.waitForReadyRead(3000)) got += socket.readAll();
    return got;
  };
  for (const char* target : {"/qqwap/login", "/qqwap/", "/no/such/page"}) {
    SCOPED_TRACE(target);
    const QByteArray head = exchange("HEAD", target);
    ASSERT_TRUE(head.startsWith("HTTP/1.1 ")) << head.constData();
    EXPECT_TRUE(head.endsWith("\r\n\r\n")) << head.constData();
    const QByteArray next = exchange("GET", "/qqwap/seen");
    EXPECT_TRUE(next.startsWith("HTTP/1.1 204")) << next.constData();
  }
}

TEST(SamplePortal, APortInUseIsOneLineAndStatusOne) {
  Portal first;
  ASSERT_NE(first.port, 0);
  QProcess second;
  second.start(QStringLiteral(SAMPLE_PORTAL), {"--port", QString::number(first.port)});
  ASSERT_TRUE(second.waitForFinished(5000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 1);
  const QString err = QString::fromUtf8(second.readAllStandardError());
  EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
  EXPECT_TRUE(err.startsWith(QStringLiteral("sample-portal: cannot listen on 127.0.0.1:%1: ").arg(first.port)))
      << err.toStdString();
  EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
}

TEST(SamplePortal, RejectsABadPort) {
  for (const char* bad : {"abc", "70000", "-1"}) {
    QProcess p;
    p.start(QStringLiteral(SAMPLE_PORTAL), {"--port", bad});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 2) << bad;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
