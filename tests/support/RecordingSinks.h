#pragma once
// Recording doubles for the event log and the message box, and a scope that installs both and
// puts the previous sinks back when it ends.
#include <memory>
#include <string>
#include <vector>

#include "platform/EventLog.h"
#include "platform/MessageBox.h"

namespace platform::test {

class RecordingEventLog final : public EventLog {
 public:
  struct Entry {
    std::string text;
    int type;
  };
  std::vector<Entry> entries;

  void LogEvent(const std::string& logBuffer, int eventType) override;
  std::vector<std::string> Texts() const;
};

class RecordingMessageBox final : public MessageBoxSink {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    UINT type;
  };
  std::vector<Shown> shown;

  int Show(const std::string& text, const std::string& caption, UINT type) override;
};

class ScopedRecordingSinks {
 public:
  ScopedRecordingSinks();
  ~ScopedRecordingSinks();
  ScopedRecordingSinks(const ScopedRecordingSinks&) = delete;
  ScopedRecordingSinks& operator=(const ScopedRecordingSinks&) = delete;

  RecordingEventLog& log() { return *m_Log; }
  RecordingMessageBox& box() { return *m_Box; }
  // Forgets what was recorded so far.
  void Clear();

 private:
  std::shared_ptr<RecordingEventLog> m_Log = std::make_shared<RecordingEventLog>();
  std::shared_ptr<RecordingMessageBox> m_Box = std::make_shared<RecordingMessageBox>();
  std::shared_ptr<EventLog> m_PreviousLog;
  std::shared_ptr<MessageBoxSink> m_PreviousBox;
};

}  // namespace platform::test
