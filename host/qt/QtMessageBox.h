#pragma once
// The platform's modal message box shown as a QMessageBox.
#include <memory>

#include <QMessageBox>

#include "platform/MessageBox.h"

namespace host {

class QtMessageBox final : public platform::MessageBoxSink {
 public:
  // Runs the box modally; every box has a single OK button, so the answer is IDOK.
  int Show(const std::string& text, const std::string& caption, platform::UINT type) override;

  // The box Show runs, for a given request (icon from the MB_ICON* bits, title, text, OK).
  static std::unique_ptr<QMessageBox> Build(const std::string& text, const std::string& caption, platform::UINT type);
};

}  // namespace host
