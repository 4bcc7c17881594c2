#include "platform/standin/SyslogEventLog.h"

#include <syslog.h>

#include <utility>

namespace platform {

SyslogEventLog::SyslogEventLog(std::string ident) : m_Ident(std::move(ident)) {
  ::openlog(m_Ident.c_str(), LOG_PID, LOG_USER);
}

SyslogEventLog::~SyslogEventLog() { ::closelog(); }

int SyslogEventLog::PriorityOf(int eventType) {
  switch (eventType) {
    case EVENTLOG_ERROR: return LOG_ERR;
    case EVENTLOG_WARNING: return LOG_WARNING;
    default: return LOG_INFO;
  }
}

void SyslogEventLog::LogEvent(const std::string& logBuffer, int eventType) {
  ::syslog(LOG_USER | PriorityOf(eventType), "%s", logBuffer.c_str());
}

}  // namespace platform
