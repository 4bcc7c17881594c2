#include "host/qt/HostServices.h"

#include <memory>

#include <QApplication>

#include "host/qt/QtMessageBox.h"
#include "host/qt/QtSystemColors.h"
#include "platform/standin/SyslogEventLog.h"

namespace host {

namespace {
bool g_Installed = false;
}

void HostServices::Install() {
  if (g_Installed) return;
  g_Installed = true;
  platform::SetSystemColorTable(SystemColorsFromPalette(QApplication::palette()));
  platform::SetMessageBox(std::make_shared<QtMessageBox>());
  platform::SetEventLog(std::make_shared<platform::SyslogEventLog>());
}

bool HostServices::Installed() { return g_Installed; }

}  // namespace host
