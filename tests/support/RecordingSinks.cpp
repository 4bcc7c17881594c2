#include "tests/support/RecordingSinks.h"

namespace platform::test {

void RecordingEventLog::LogEvent(const std::string& logBuffer, int eventType) {
  entries.push_back({logBuffer, eventType});
}

std::vector<std::string> RecordingEventLog::Texts() const {
  std::vector<std::string> out;
  for (const auto& e : entries) out.push_back(e.text);
  return out;
}

int RecordingMessageBox::Show(const std::string& text, const std::string& caption, UINT type) {
  shown.push_back({text, caption, type});
  return IDOK;
}

ScopedRecordingSinks::ScopedRecordingSinks() : m_PreviousLog(SetEventLog(m_Log)), m_PreviousBox(SetMessageBox(m_Box)) {}

ScopedRecordingSinks::~ScopedRecordingSinks() {
  SetEventLog(m_PreviousLog);
  SetMessageBox(m_PreviousBox);
}

void ScopedRecordingSinks::Clear() {
  m_Log->entries.clear();
  m_Box->shown.clear();
}

}  // namespace platform::test
