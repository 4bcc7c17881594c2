#pragma once
// One QApplication, one loopback QHttpServer and one shown WebPane for the whole run: the engine
// is slow to start, so the tests share them and reset what they change.
#include "app/webpane/WebPane.h"
#include "tests/e2e/support/PageSupport.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <utility>

class QApplication;
class QHttpServer;
class QWebEnginePage;

class Harness {
public:
    static Harness& Get();  // starts everything on first use
    static void Shutdown();

    QUrl Url(const QString& path) const;
    int Hits(const QString& path) const;
    QByteArray LastUserAgent() const { return m_LastUserAgent; }
    app::WebPane& Pane() { return *m_Pane; }

private:
    Harness();
    ~Harness();
    void Serve(const QString& path, const QByteArray& mime, const QByteArray& body);

    std::unique_ptr<QApplication> m_App;
    std::unique_ptr<QHttpServer> m_Server;
    std::unique_ptr<app::WebPane> m_Pane;
    quint16 m_Port = 0;
    std::map<QString, int> m_Hits;
    QByteArray m_LastUserAgent;
};

// Starts an asynchronous call that reports through a callback taking T, and waits for the answer.
template <class T, class Start>
T Await(Start start) {
    auto state = std::make_shared<std::pair<bool, T>>();
    start([state](T v) {
        state->first = true;
        state->second = std::move(v);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->first; }, 10000)) << "no answer from the page";
    return state->second;
}
