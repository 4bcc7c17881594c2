#pragma once
// One QApplication, one sample-portal on an ephemeral port and one shown Form1 for the whole run:
// the engine is slow to start, so tests share the form and put back what they change.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <memory>

#include "app/Form1.h"
#include "tests/e2e/support/PageSupport.h"

class QApplication;
class QWebEnginePage;

class ProgramEnv {
 public:
  static ProgramEnv& Get();  // starts everything on first use
  static void Shutdown();

  app::Form1Addresses Addresses() const;
  QUrl Url(const QString& target) const;
  // Requests the portal logged for exactly this target ("/qqwap/", "/songplayer/v2/360?lid=100014").
  int Requests(const QString& target);

  // The shared form, shown, with the portal page loaded once.
  app::Form1& Form() { return *m_Form; }
  // A form of its own from the stored layout, shown; the caller may close it.
  app::Form1* NewForm();

 private:
  ProgramEnv();
  ~ProgramEnv();

  std::unique_ptr<QApplication> m_App;
  QProcess m_Portal;
  QString m_Log;
  quint16 m_Port = 0;
  app::Form1* m_Form = nullptr;
};

// Waits until the pane shows `url` with its load finished.
bool WaitForPage(app::WebPane& pane, const QUrl& url, int timeoutMs = 15000);
// Visible top-level windows other than forms: a second browser window would be one.
int OtherWindows();
