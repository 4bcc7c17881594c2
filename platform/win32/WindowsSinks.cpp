#include <windows.h>
// (after <windows.h>, before the project's headers)
#include "platform/win32/NoWindowsMacros.h"

#include "platform/win32/WindowsSinks.h"

namespace platform::win32 {

static_assert(platform::EVENTLOG_ERROR == EVENTLOG_ERROR_TYPE && platform::EVENTLOG_WARNING == EVENTLOG_WARNING_TYPE &&
              platform::EVENTLOG_INFORMATION == EVENTLOG_INFORMATION_TYPE);

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}

WindowsEventLog::WindowsEventLog(const std::string& source)
    : m_Source(::RegisterEventSourceW(nullptr, Widen(source).c_str())) {}

WindowsEventLog::~WindowsEventLog() {
  if (m_Source) ::DeregisterEventSource(static_cast<HANDLE>(m_Source));
}

void WindowsEventLog::LogEvent(const std::string& logBuffer, int eventType) {
  if (!m_Source) return;
  const std::wstring text = Widen(logBuffer);
  LPCWSTR strings[] = {text.c_str()};
  ::ReportEventW(static_cast<HANDLE>(m_Source), static_cast<WORD>(eventType), 0, 0, nullptr, 1, 0, strings, nullptr);
}

int WindowsMessageBox::Show(const std::string& text, const std::string& caption, UINT type) {
  return ::MessageBoxW(reinterpret_cast<::HWND>(m_Owner), Widen(text).c_str(), Widen(caption).c_str(), type);
}

}  // namespace platform::win32
