#pragma once
// The system's event log and message box as the program's sinks (install them with
// platform::SetEventLog / platform::SetMessageBox). Texts are UTF-8.
#include <string>

#include "platform/EventLog.h"
#include "platform/MessageBox.h"

namespace platform::win32 {

// Entries go to the application log under the given source name.
class WindowsEventLog final : public EventLog {
 public:
  explicit WindowsEventLog(const std::string& source = "Korvane");
  ~WindowsEventLog() override;
  WindowsEventLog(const WindowsEventLog&) = delete;
  WindowsEventLog& operator=(const WindowsEventLog&) = delete;
  void LogEvent(const std::string& logBuffer, int eventType) override;
  bool IsOpen() const { return m_Source != nullptr; }

 private:
  void* m_Source = nullptr;  // the event source handle
};

// A modal MessageBoxW, owned by the given window (0: none).
class WindowsMessageBox final : public MessageBoxSink {
 public:
  explicit WindowsMessageBox(HWND owner = 0) : m_Owner(owner) {}
  int Show(const std::string& text, const std::string& caption, UINT type) override;

 private:
  HWND m_Owner;
};

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace platform::win32
