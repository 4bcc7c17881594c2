#include "app/webpane/UrlPolicy.h"

#include <gtest/gtest.h>

TEST(IsFollowableUrl, AcceptsWebAddresses) {
    EXPECT_TRUE(app::IsFollowableUrl(QUrl("http://127.0.0.1:8421/qqwap/game?id=3")));
    EXPECT_TRUE(app::IsFollowableUrl(QUrl("https://example.org/")));
    EXPECT_TRUE(app::IsFollowableUrl(QUrl("HTTP://Example.org/x")));  // scheme case does not matter
}

TEST(IsFollowableUrl, RefusesLocalScriptAndMalformedAddresses) {
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("file:///etc/passwd")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("javascript:alert(1)")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("data:text/html,<b>x</b>")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("ftp://example.org/file")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("about:blank")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl()));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("/relative/path")));
    EXPECT_FALSE(app::IsFollowableUrl(QUrl("http:")));  // no host to go to
}
