#pragma once
// The program's own warnings, bounded: a page can make the same thing happen thousands of times a
// second, and every line lands in the desktop session's log.
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QString>

namespace app {

class LogLimit {
public:
    using Category = const QLoggingCategory& (*)();

    // At most `lines` lines in every `windowMs`; the rest are counted and the count is said once
    // the next window opens.
    // Lines go out as warnings of `category` (the default category when none is given).
    explicit LogLimit(int lines = 5, int windowMs = 1000, Category category = nullptr)
        : m_Lines(lines), m_WindowMs(windowMs), m_Category(category) {}

    void Warn(const QString& line);

    // Lines held back so far (reset when their count is written out).
    int Held() const { return m_Held; }

private:
    void Write(const QString& line) const;

    int m_Lines;
    int m_WindowMs;
    Category m_Category;
    int m_InWindow = 0;
    int m_Held = 0;
    QElapsedTimer m_Window;
};

}  // namespace app
