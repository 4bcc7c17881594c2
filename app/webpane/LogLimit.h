#pragma once
// The program's own warnings, bounded: a page can make the same thing happen thousands of times a
// second, and every line lands in the desktop session's log.
#include <QElapsedTimer>
#include <QString>

namespace app {

class LogLimit {
public:
    // At most `lines` lines in every `windowMs`; the rest are counted and the count is said once
    // the next window opens.
    explicit LogLimit(int lines = 5, int windowMs = 1000) : m_Lines(lines), m_WindowMs(windowMs) {}

    void Warn(const QString& line);

    // Lines held back so far (reset when their count is written out).
    int Held() const { return m_Held; }

private:
    int m_Lines;
    int m_WindowMs;
    int m_InWindow = 0;
    int m_Held = 0;
    QElapsedTimer m_Window;
};

}  // namespace app
