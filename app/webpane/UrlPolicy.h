#pragma once
// Which addresses a new-window link may be followed to.
#include <QUrl>

namespace app {

// True only for a valid http or https address with a host; file:, javascript:, data: and the like
// are refused so that a page cannot steer the portal pane onto local files or script.
bool IsFollowableUrl(const QUrl& url);

}  // namespace app
