// Installable event log and message box.
#include <gtest/gtest.h>

#include "platform/EventLog.h"
#include "platform/MessageBox.h"
#include "tests/support/RecordingSinks.h"
#if !defined(_WIN32)
#include <syslog.h>

#include "platform/standin/SyslogEventLog.h"
#endif

namespace p = platform;

namespace {

TEST(Sinks, InstalledSinksReceiveAndScopeRestoresPrevious) {
  auto outer = std::make_shared<p::test::RecordingEventLog>();
  auto previous = p::SetEventLog(outer);
  {
    p::test::ScopedRecordingSinks sinks;
    p::LogEvent("inner entry");
    EXPECT_EQ(p::MessageBox("text.", "caption", p::MB_ICONEXCLAMATION), p::IDOK);
    ASSERT_EQ(sinks.log().entries.size(), 1u);
    EXPECT_EQ(sinks.log().entries[0].text, "inner entry");
    EXPECT_EQ(sinks.log().entries[0].type, p::EVENTLOG_ERROR);
    ASSERT_EQ(sinks.box().shown.size(), 1u);
    EXPECT_EQ(sinks.box().shown[0].caption, "caption");
    EXPECT_EQ(sinks.box().shown[0].type, p::MB_ICONEXCLAMATION);
  }
  p::LogEvent("outer entry", p::EVENTLOG_WARNING);
  ASSERT_EQ(outer->entries.size(), 1u);
  EXPECT_EQ(outer->entries[0].text, "outer entry");
  p::SetEventLog(previous);
}

#if !defined(_WIN32)  // Windows programs log through the event log service instead
TEST(Sinks, SyslogPriorities) {
  EXPECT_EQ(p::SyslogEventLog::PriorityOf(p::EVENTLOG_ERROR), LOG_ERR);
  EXPECT_EQ(p::SyslogEventLog::PriorityOf(p::EVENTLOG_WARNING), LOG_WARNING);
  EXPECT_EQ(p::SyslogEventLog::PriorityOf(p::EVENTLOG_INFORMATION), LOG_INFO);
}
#endif

}  // namespace
