#include "Harness.h"

#include <QApplication>
#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>

namespace {

Harness* g_Harness = nullptr;

}  // namespace

Harness& Harness::Get() {
    if (!g_Harness) g_Harness = new Harness();
    return *g_Harness;
}

void Harness::Shutdown() {
    delete g_Harness;
    g_Harness = nullptr;
}

Harness::Harness() {
    m_App = e2e::MakeApplication("e2e_webpane");
    m_Server = std::make_unique<QHttpServer>();

    Serve("/plain", "text/html", "<html><head><title>Plain</title></head><body><p>plain</p></body></html>");
    Serve("/target", "text/html", "<html><head><title>Target</title></head><body>target</body></html>");
    Serve("/link", "text/html",
          "<html><body style='margin:0'>"
          "<a id='blank' href='/target' target='_blank' "
          "style='display:block;width:200px;height:60px;background:#ccc'>open</a>"
          "<a id='plainlink' href='/plain'>same</a>"
          "</body></html>");
    Serve("/long", "text/html",
          "<html><body style='margin:0;background:#0ac81e'><div style='height:5000px'></div></body></html>");
    Serve("/long-blue", "text/html",
          "<html><body style='margin:0;background:#1e28c8'><div style='height:5000px'></div></body></html>");
    Serve("/image.svg", "image/svg+xml",
          "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect width='10' height='10'/></svg>");

    m_Port = m_Server->listen(QHostAddress::LocalHost, 0);
    if (m_Port == 0) throw std::runtime_error("test server could not listen");

    m_Pane = std::make_unique<app::WebPane>();
    m_Pane->resize(400, 300);
    m_Pane->show();
    if (!QTest::qWaitForWindowExposed(m_Pane.get())) throw std::runtime_error("pane never shown");
}

Harness::~Harness() {
    m_Pane.reset();
    m_Server.reset();
    m_App.reset();
}

void Harness::Serve(const QString& path, const QByteArray& mime, const QByteArray& body) {
    m_Server->route(path, [this, path, mime, body](const QHttpServerRequest& request) {
        ++m_Hits[path];
        m_LastUserAgent = request.value("User-Agent");
        return QHttpServerResponse(mime, body);
    });
}

QUrl Harness::Url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_Port).arg(path));
}

int Harness::Hits(const QString& path) const {
    auto it = m_Hits.find(path);
    return it == m_Hits.end() ? 0 : it->second;
}
