#include "ProgramEnv.h"

#include <QApplication>
#include <QRegularExpression>
#include <QWebEnginePage>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <stdexcept>

#include "app/PaneEngine.h"
#include "app/Program.h"
#include "app/engine/WebPaneEngine.h"

namespace {

ProgramEnv* g_Env = nullptr;

}  // namespace

ProgramEnv& ProgramEnv::Get() {
  if (!g_Env) g_Env = new ProgramEnv();
  return *g_Env;
}

void ProgramEnv::Shutdown() {
  delete g_Env;
  g_Env = nullptr;
}

ProgramEnv::ProgramEnv() {
  m_App = e2e::MakeApplication("e2e_program");
  // Forms closed by the tests must not end the run.
  QApplication::setQuitOnLastWindowClosed(false);
  app::PrepareHost();
  // The panes are linked in: the forms made here take them from this engine, not from the module.
  app::SetPaneEngine(app::WebPaneEngine());

  m_Portal.setProgram(QStringLiteral(SAMPLE_PORTAL));
  m_Portal.setArguments({QStringLiteral("--port"), QStringLiteral("0")});
  m_Portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QObject::connect(&m_Portal, &QProcess::readyReadStandardOutput,
                   [this] { m_Log += QString::fromUtf8(m_Portal.readAllStandardOutput()); });
  m_Portal.start();
  const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
  if (!QTest::qWaitFor([&] { return listening.match(m_Log).hasMatch(); }, 10000))
    throw std::runtime_error("sample-portal did not start");
  m_Port = listening.match(m_Log).captured(1).toUShort();

  m_Form = NewForm();
  if (!m_Form || !WaitForPage(*m_Form->WebBrowser1(), Url("/qqwap/")))
    throw std::runtime_error("the portal page never loaded");
}

ProgramEnv::~ProgramEnv() {
  delete m_Form;
  m_Portal.kill();
  m_Portal.waitForFinished(3000);
  m_App.reset();
}

app::Form1Addresses ProgramEnv::Addresses() const {
  return {Url("/qqwap/").toString(), Url("/songplayer/v2/360?lid=100014").toString()};
}

QUrl ProgramEnv::Url(const QString& target) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_Port).arg(target));
}

int ProgramEnv::Requests(const QString& target) {
  QCoreApplication::processEvents();
  m_Log += QString::fromUtf8(m_Portal.readAllStandardOutput());
  int n = 0;
  for (const QString& line : m_Log.split(QLatin1Char('\n'))) {
    const QStringList parts = line.split(QLatin1Char(' '));
    if (parts.size() == 3 && parts[0] == QLatin1String("GET") && parts[1] == target) ++n;
  }
  return n;
}

app::Form1* ProgramEnv::NewForm() {
  std::string error;
  std::unique_ptr<app::Form1> form = app::CreateForm1(app::StoredLayoutText(), Addresses(), &error);
  if (!form) throw std::runtime_error("stored layout refused: " + error);
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) throw std::runtime_error("form never shown");
  return form.release();
}

bool WaitForPage(app::WebPane& pane, const QUrl& url, int timeoutMs) {
  return QTest::qWaitFor(
      [&] { return pane.LocationURL() == url && Eval(pane.Page(), "document.readyState").toString() == "complete"; },
      timeoutMs);
}

int OtherWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && !qobject_cast<app::Form1*>(w)) ++n;
  return n;
}
