#include "app/webpane/UrlPolicy.h"

namespace app {

bool IsFollowableUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) return false;
    const QString scheme = url.scheme();  // QUrl keeps schemes lower-case
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace app
