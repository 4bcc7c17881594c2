#pragma once
// The platform services the Qt program provides: the system colours from the application's
// palette, QMessageBox for message boxes, syslog for the event log. Call Install() once after
// the QApplication exists; later calls do nothing.
namespace host {

class HostServices {
 public:
  static void Install();
  static bool Installed();
};

}  // namespace host
