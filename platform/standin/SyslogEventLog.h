#pragma once
// The program's event log: each entry goes to syslog(3) under the given identity, errors at
// LOG_ERR, warnings at LOG_WARNING, the rest at LOG_INFO.
#include <string>

#include "platform/EventLog.h"

namespace platform {

class SyslogEventLog final : public EventLog {
 public:
  explicit SyslogEventLog(std::string ident = "Korvane");
  ~SyslogEventLog() override;
  void LogEvent(const std::string& logBuffer, int eventType) override;

  // The syslog priority used for an entry type.
  static int PriorityOf(int eventType);

 private:
  std::string m_Ident;  // openlog keeps the pointer, so the text lives here
};

}  // namespace platform
