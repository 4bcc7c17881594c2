#pragma once
// The application event log as an installable sink. The default writes to stderr; the program
// installs SyslogEventLog, tests install a recording double.
#include <memory>
#include <string>

namespace platform {

// Entry types (the values of the toolkit's LogEvent).
constexpr int EVENTLOG_ERROR = 1;
constexpr int EVENTLOG_WARNING = 2;
constexpr int EVENTLOG_INFORMATION = 4;

class EventLog {
 public:
  virtual ~EventLog() = default;
  virtual void LogEvent(const std::string& logBuffer, int eventType) = 0;
};

// Installs log (null restores the stderr default) and returns the one it replaces.
std::shared_ptr<EventLog> SetEventLog(std::shared_ptr<EventLog> log);
// Writes one entry through the installed log.
void LogEvent(const std::string& logBuffer, int eventType = EVENTLOG_ERROR);

}  // namespace platform
