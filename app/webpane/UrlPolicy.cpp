#include "app/webpane/UrlPolicy.h"

#include "app/webpane/Pane.h"

namespace app {

bool IsFollowableUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme();  // QUrl keeps schemes lower-case
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QUrl ParsePaneAddress(const QString& url) {
    const QString trimmed = url.trimmed();
    QUrl target(trimmed, QUrl::StrictMode);
    // Only a scheme-less address ("www.host/x") is completed; a broken absolute one is refused.
    if (target.isValid() && target.isRelative()) target = QUrl::fromUserInput(trimmed);
    if (trimmed.isEmpty() || !target.isValid() || target.isRelative())
        throw WebPaneError("Invalid address: \"" + url.toStdString() + "\"");
    return target;
}

}  // namespace app
