#pragma once
// How a pane comes back from a load that ended without a page of the web: a failed load is tried
// again with a growing pause (at once when the network comes back), a page whose process ended is
// loaded again, and Refresh is told where to lead so that every such end (a failure, a refused
// redirect or scheme, an aborted first load, an ended process, a page left for about:blank) leaves
// a way home. The pane shows and hides its cover when told, and tells this class when it opens an
// address itself, puts the page away or closes.
#include <QElapsedTimer>
#include <QObject>
#include <QUrl>

class QTimer;
class QWebEngineLoadingInfo;
class QWebEnginePage;

namespace app {

class PaneRecovery : public QObject {
    Q_OBJECT
public:
    // Pauses between tries of a failed load, then the last one again; and the pauses before a page
    // whose process keeps ending is loaded again (the first time at once).
    static constexpr int kRetryPausesMs[] = {500, 1000, 2000, 3000};
    static constexpr int kRevivePausesMs[] = {0, 1000, 2000, 4000, 8000, 15000};

    explicit PaneRecovery(QWebEnginePage* page, QObject* parent = nullptr);

    void SetHome(const QUrl& home) { m_Home = home; }
    QUrl Home() const { return m_Home; }

    // The pane opens an address of its own accord: pending tries are dropped.
    void Opening();
    // The pane puts its page away or closes: nothing is tried until the next Opening.
    void Stand();

    // True from a failed load (or an ended page process) to the next load that succeeds.
    bool Failed() const { return m_Failed || m_Dead; }

    // Where Refresh leads: the home address when the pane shows no page of the web (and has one), the
    // address that failed when it has none, or empty for a plain reload of the page shown. Also empty
    // when the pane never opened anything.
    QUrl RefreshTarget() const;

signals:
    void CoverWanted(const QString& text);
    void CoverDone();

private:
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void OnProcessEnded(int status);
    void Retry();
    void Revive();
    void RetryNowIfOnline();

    QWebEnginePage* m_Page;
    QTimer* m_RetryTimer;
    QTimer* m_ReviveTimer;
    QUrl m_Home;
    QUrl m_FailedUrl;
    QElapsedTimer m_LastDeath;
    int m_Retries = 0;
    int m_Deaths = 0;
    bool m_Failed = false;
    bool m_Dead = false;
    bool m_Standing = false;
    bool m_Opened = false;  // an address was opened since the pane last stood
    bool m_Shown = false;   // the last load that ended with a document ended with a page of the web
};

}  // namespace app
