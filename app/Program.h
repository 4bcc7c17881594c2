#pragma once
// Start-up of the program: the host services, the fonts, Form1 from its layout text, and the
// event loop until the last window closes.
#include <QByteArray>
#include <iosfwd>
#include <memory>
#include <string>

#include "app/Form1.h"

class QApplication;

namespace app {

// Makes Form1 from layout text without showing it. On a broken layout, or one that holds a value
// the window cannot use, returns nullptr and sets *error to one message naming the control and
// key; no window has been created then.
std::unique_ptr<Form1> CreateForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error);

// Installs the host services and the font substitutions (idempotent). Needs the QApplication.
void PrepareHost();

// The whole program: prepares the host, builds and shows Form1, runs until the last window
// closes. A broken layout is reported on `err` and gives exit status 2 before any window opens.
int RunProgram(QApplication& app, const QByteArray& layoutText, const Form1Addresses& addresses, std::ostream& err);

// The layout compiled into the program.
QByteArray StoredLayoutText();

}  // namespace app
