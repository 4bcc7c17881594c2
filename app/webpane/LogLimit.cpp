#include "app/webpane/LogLimit.h"

#include <QtGlobal>

namespace app {

void LogLimit::Warn(const QString& line) {
    if (!m_Window.isValid() || m_Window.elapsed() >= m_WindowMs) {
        m_Window.start();
        m_InWindow = 0;
        if (m_Held > 0) {
            qWarning("korvane: %d similar lines left out", m_Held);
            m_Held = 0;
            ++m_InWindow;
        }
    }
    if (m_InWindow >= m_Lines) {
        ++m_Held;
        return;
    }
    ++m_InWindow;
    qWarning("%s", qUtf8Printable(line));
}

}  // namespace app
