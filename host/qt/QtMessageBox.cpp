#include "host/qt/QtMessageBox.h"

#include <QApplication>

namespace host {

using namespace platform;

namespace {

constexpr UINT kIconMask = 0x000000F0;

QMessageBox::Icon IconOf(UINT type) {
  switch (type & kIconMask) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

std::unique_ptr<QMessageBox> QtMessageBox::Build(const std::string& text, const std::string& caption, UINT type) {
  auto box = std::make_unique<QMessageBox>(IconOf(type), QString::fromStdString(caption), QString::fromStdString(text),
                                           QMessageBox::Ok, QApplication::activeWindow());
  box->setObjectName("korvaneMessageBox");
  return box;
}

int QtMessageBox::Show(const std::string& text, const std::string& caption, UINT type) {
  Build(text, caption, type)->exec();
  return IDOK;
}

}  // namespace host
