// Default sinks and the installed-sink slots of EventLog.h and MessageBox.h.
#include <cstdio>
#include <utility>

#include "platform/EventLog.h"
#include "platform/MessageBox.h"

namespace platform {
namespace {

class StderrEventLog final : public EventLog {
 public:
  void LogEvent(const std::string& logBuffer, int eventType) override {
    std::fprintf(stderr, "event log [%d]: %s\n", eventType, logBuffer.c_str());
  }
};

class StderrMessageBox final : public MessageBoxSink {
 public:
  int Show(const std::string& text, const std::string& caption, UINT) override {
    std::fprintf(stderr, "message box \"%s\": %s\n", caption.c_str(), text.c_str());
    return IDOK;
  }
};

std::shared_ptr<EventLog>& InstalledLog() {
  static std::shared_ptr<EventLog> log = std::make_shared<StderrEventLog>();
  return log;
}

std::shared_ptr<MessageBoxSink>& InstalledBox() {
  static std::shared_ptr<MessageBoxSink> box = std::make_shared<StderrMessageBox>();
  return box;
}

}  // namespace

std::shared_ptr<EventLog> SetEventLog(std::shared_ptr<EventLog> log) {
  if (!log) log = std::make_shared<StderrEventLog>();
  return std::exchange(InstalledLog(), std::move(log));
}

void LogEvent(const std::string& logBuffer, int eventType) {
  auto log = InstalledLog();  // stays alive even if the sink installs another
  log->LogEvent(logBuffer, eventType);
}

std::shared_ptr<MessageBoxSink> SetMessageBox(std::shared_ptr<MessageBoxSink> sink) {
  if (!sink) sink = std::make_shared<StderrMessageBox>();
  return std::exchange(InstalledBox(), std::move(sink));
}

int MessageBox(const std::string& text, const std::string& caption, UINT type) {
  auto box = InstalledBox();
  return box->Show(text, caption, type);
}

}  // namespace platform
