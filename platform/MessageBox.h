#pragma once
// The modal message box as an installable sink. The default prints the box to stderr and
// answers IDOK; the Qt host installs a real box, tests install a recording double.
#include <memory>
#include <string>

#include "platform/WinTypes.h"

namespace platform {

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;  // the warning icon
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr int IDOK = 1;

class MessageBoxSink {
 public:
  virtual ~MessageBoxSink() = default;
  // Shows the box modally and returns the button chosen (IDOK ...).
  virtual int Show(const std::string& text, const std::string& caption, UINT type) = 0;
};

// Installs sink (null restores the stderr default) and returns the one it replaces.
std::shared_ptr<MessageBoxSink> SetMessageBox(std::shared_ptr<MessageBoxSink> sink);
int MessageBox(const std::string& text, const std::string& caption, UINT type = MB_OK);

}  // namespace platform
