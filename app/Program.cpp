#include "app/Program.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <ostream>

#include "host/HostServices.h"
#include "host/QtTextEngine.h"

namespace app {

void PrepareHost() {
  host::HostServices::Install();
  // Registers the Song face's stand-in, which every Qt widget then finds by the stored name.
  host::QtTextEngine::SongFace();
}

std::unique_ptr<Form1> CreateForm1(const QByteArray& layoutText, const Form1Addresses& addresses, std::string* error) {
  try {
    return std::make_unique<Form1>(host::ParseLayout(layoutText), addresses);
  } catch (const host::LayoutError& e) {
    if (error) *error = e.what();
  } catch (const std::exception& e) {  // e.g. a start address the pane refuses
    if (error) *error = e.what();
  }
  return nullptr;
}

int RunProgram(QApplication& app, const QByteArray& layoutText, const Form1Addresses& addresses, std::ostream& err) {
  PrepareHost();
  std::string error;
  std::unique_ptr<Form1> created = CreateForm1(layoutText, addresses, &error);
  if (!created) {
    err << "korvane: cannot start: " << error << std::endl;
    return 2;
  }
  // From here the form deletes itself when it is closed.
  QPointer<Form1> form(created.release());
  form->show();
  const int status = app.exec();
  delete form.data();
  return status;
}

QByteArray StoredLayoutText() {
  QFile file(QString::fromLatin1(host::kForm1LayoutPath));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace app
