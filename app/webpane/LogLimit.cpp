#include "app/webpane/LogLimit.h"

#include <QtGlobal>

namespace app {

void LogLimit::Warn(const QString& line) {
    if (!m_Window.isValid() || m_Window.elapsed() >= m_WindowMs) {
        m_Window.start();
        m_InWindow = 0;
        if (m_Held > 0) {
            Write(QStringLiteral("korvane: %1 similar lines left out").arg(m_Held));
            m_Held = 0;
            ++m_InWindow;
        }
    }
    if (m_InWindow >= m_Lines) {
        ++m_Held;
        return;
    }
    ++m_InWindow;
    Write(line);
}

void LogLimit::Write(const QString& line) const {
    if (m_Category)
        qCWarning(m_Category, "%s", qUtf8Printable(line));
    else
        qWarning("%s", qUtf8Printable(line));
}

}  // namespace app
