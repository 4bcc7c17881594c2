#include "app/webpane/PaneRecovery.h"

#include <QNetworkInformation>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <algorithm>

#include "app/webpane/UrlPolicy.h"

namespace app {

namespace {

// Chromium's network error numbers the player is told about in words of their own.
constexpr int kNameNotResolved = -105;
constexpr int kInternetDisconnected = -106;
constexpr int kConnectionRefused = -102;
constexpr int kConnectionReset = -101;
constexpr int kConnectionClosed = -100;
constexpr int kTimedOut = -7;
constexpr int kConnectionTimedOut = -118;
constexpr int kEmptyResponse = -324;

QString WhatFailed(const QWebEngineLoadingInfo& info) {
    const int code = info.errorCode();
    switch (info.errorDomain()) {
        case QWebEngineLoadingInfo::HttpStatusCodeDomain: return QStringLiteral("服务器出错了（%1）").arg(code);
        case QWebEngineLoadingInfo::CertificateErrorDomain: return QStringLiteral("网站的安全证书有问题");
        case QWebEngineLoadingInfo::DnsErrorDomain: return QStringLiteral("找不到服务器");
        default: break;
    }
    switch (code) {
        case kInternetDisconnected: return QStringLiteral("网络没有连接");
        case kNameNotResolved: return QStringLiteral("找不到服务器");
        case kConnectionRefused: return QStringLiteral("服务器没有响应");
        case kConnectionReset:
        case kConnectionClosed:
        case kEmptyResponse: return QStringLiteral("连接中断了");
        case kTimedOut:
        case kConnectionTimedOut: return QStringLiteral("连接超时");
        default: return QStringLiteral("页面无法打开");
    }
}

template <std::size_t N>
int PauseOf(const int (&pauses)[N], int tries) {
    return pauses[std::min<std::size_t>(static_cast<std::size_t>(tries), N - 1)];
}

// One watch of the network for every pane; nullptr where the platform has none.
QNetworkInformation* NetworkWatch() {
    static QNetworkInformation* watch = [] {
        return QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)
                   ? QNetworkInformation::instance()
                   : nullptr;
    }();
    return watch;
}

}  // namespace

PaneRecovery::PaneRecovery(QWebEnginePage* page, QObject* parent)
    : QObject(parent), m_Page(page), m_RetryTimer(new QTimer(this)), m_ReviveTimer(new QTimer(this)) {
    m_RetryTimer->setSingleShot(true);
    connect(m_RetryTimer, &QTimer::timeout, this, &PaneRecovery::Retry);
    m_ReviveTimer->setSingleShot(true);
    connect(m_ReviveTimer, &QTimer::timeout, this, &PaneRecovery::Revive);
    connect(page, &QWebEnginePage::loadingChanged, this, &PaneRecovery::OnLoadingChanged);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { OnProcessEnded(int(status)); });
    if (QNetworkInformation* watch = NetworkWatch())
        connect(watch, &QNetworkInformation::reachabilityChanged, this, &PaneRecovery::RetryNowIfOnline);
}

void PaneRecovery::Opening() {
    m_RetryTimer->stop();
    m_ReviveTimer->stop();
    m_Standing = false;
    m_Opened = true;
}

void PaneRecovery::Stand() {
    m_RetryTimer->stop();
    m_ReviveTimer->stop();
    m_Standing = true;
    m_Opened = false;
    m_Shown = false;
    emit CoverDone();
}

QUrl PaneRecovery::RefreshTarget() const {
    const QUrl current = m_Page->url();
    // A pane that never opened anything stays empty (the music pane before music is first on).
    if (!m_Opened && current.isEmpty()) return {};
    const bool stranded = Failed() || !m_Shown || !IsFollowableUrl(current);
    if (!stranded) return {};
    if (m_Home.isValid()) return m_Home;
    if (Failed() && m_FailedUrl.isValid()) return m_FailedUrl;
    return IsFollowableUrl(current) ? current : QUrl();
}

void PaneRecovery::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (m_Standing) return;
    const bool httpError = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain && info.errorCode() >= 400;
    switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
        case QWebEngineLoadingInfo::LoadStoppedStatus: return;  // the document before, if any, stays
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (!httpError) {
                m_Shown = IsFollowableUrl(info.url());
                m_Failed = false;
                m_Dead = false;
                m_Retries = 0;
                emit CoverDone();
                return;
            }
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus: break;
    }
    m_Failed = true;
    m_FailedUrl = info.url();
    const int pause = PauseOf(kRetryPausesMs, m_Retries);
    ++m_Retries;
    emit CoverWanted(QStringLiteral("%1\n\n%2\n\n稍后自动重试；点“刷 新”回到首页。")
                         .arg(WhatFailed(info), info.url().host().left(60)));
    if (IsFollowableUrl(m_FailedUrl)) m_RetryTimer->start(pause);
}

void PaneRecovery::Retry() {
    if (m_Failed && !m_Standing) m_Page->load(m_FailedUrl);
}

void PaneRecovery::RetryNowIfOnline() {
    QNetworkInformation* watch = NetworkWatch();
    if (watch && watch->reachability() == QNetworkInformation::Reachability::Online && m_RetryTimer->isActive()) {
        m_RetryTimer->stop();
        Retry();
    }
}

void PaneRecovery::OnProcessEnded(int status) {
    // A discarded page's process ends on purpose, and so do all of them at exit.
    if (m_Standing || status == QWebEnginePage::NormalTerminationStatus) return;
    // A page that keeps dying is given ever longer pauses; one that lived a while starts afresh.
    if (!m_LastDeath.isValid() || m_LastDeath.elapsed() > 30000) m_Deaths = 0;
    m_LastDeath.start();
    const int pause = PauseOf(kRevivePausesMs, m_Deaths);
    ++m_Deaths;
    m_Dead = true;
    emit CoverWanted(QStringLiteral("页面意外停止了，正在重新载入…"));
    m_ReviveTimer->start(pause);
}

void PaneRecovery::Revive() {
    if (m_Standing) return;
    const QUrl current = m_Page->url();
    const QUrl target = IsFollowableUrl(current) ? current : m_Home;
    if (target.isValid()) m_Page->load(target);
}

}  // namespace app
