// Start-up: a broken layout stops the program before any window, with one message naming the
// control and key; and the built program ends when its close button is clicked.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

#include "ProgramEnv.h"
#include "app/Program.h"

namespace {

QJsonObject StoredLayout() { return QJsonDocument::fromJson(app::StoredLayoutText()).object(); }

// The stored layout with one control changed by `edit`.
QByteArray WithControl(const QString& name, const std::function<void(QJsonObject&)>& edit) {
  QJsonObject root = StoredLayout();
  QJsonArray controls = root["controls"].toArray();
  for (int i = 0; i < controls.size(); ++i) {
    QJsonObject c = controls[i].toObject();
    if (c["name"].toString() != name) continue;
    edit(c);
    controls[i] = c;
  }
  root["controls"] = controls;
  return QJsonDocument(root).toJson();
}

QByteArray WithoutControl(const QString& name) {
  QJsonObject root = StoredLayout();
  QJsonArray controls = root["controls"].toArray();
  for (int i = 0; i < controls.size(); ++i)
    if (controls[i].toObject()["name"].toString() == name) controls.removeAt(i--);
  root["controls"] = controls;
  return QJsonDocument(root).toJson();
}

QByteArray WithFormKey(const QString& key, const QJsonValue& value) {
  QJsonObject root = StoredLayout();
  QJsonObject form = root["form"].toObject();
  form[key] = value;
  root["form"] = form;
  return QJsonDocument(root).toJson();
}

// Sets one stored button property to another type.
void RetypeProperty(QJsonObject& button, const QString& key, const QString& type, const QJsonValue& value) {
  QJsonArray props = button["properties"].toArray();
  for (int i = 0; i < props.size(); ++i) {
    QJsonObject p = props[i].toObject();
    if (p["key"].toString() != key) continue;
    p["type"] = type;
    p["value"] = value;
    props[i] = p;
  }
  button["properties"] = props;
}

TEST(StartUpTest, StoredLayoutStartsCleanly) {
  ProgramEnv::Get();
  std::string error;
  auto form = app::CreateForm1(app::StoredLayoutText(), ProgramEnv::Get().Addresses(), &error);
  EXPECT_NE(form, nullptr);
  EXPECT_EQ(error, "");
}

TEST(StartUpTest, BrokenLayoutsStopBeforeAnyWindowWithOneMessageNamingControlAndKey) {
  ProgramEnv& env = ProgramEnv::Get();
  struct Case {
    const char* what;
    QByteArray text;
    std::string control, key;
  };
  const Case cases[] = {
      {"not JSON", "{ \"format\": 1, ", "(file)", "(syntax)"},
      {"form key of the wrong type", WithFormKey("clientWidth", "wide"), "Form1", "clientWidth"},
      {"button property of the wrong type",
       WithControl("GlossButton3", [](QJsonObject& c) { RetypeProperty(c, "style", "string", "three"); }),
       "GlossButton3", "style"},
      {"button Boolean stored as a number",
       WithControl("GlossButton1", [](QJsonObject& c) { RetypeProperty(c, "checked", "long", 1); }), "GlossButton1",
       "checked"},
      {"label colour of the wrong type", WithControl("Label2", [](QJsonObject& c) { c["foreColor"] = 255; }), "Label2",
       "foreColor"},
      {"a control the window needs is missing", WithoutControl("Label3"), "Label3", "name"},
      {"a control of the wrong kind",
       WithControl("Picture1",
                   [](QJsonObject& c) {
                     c["kind"] = "Label";
                     c.remove("picture"), c.remove("backColor");
                     c["caption"] = "x", c["backStyle"] = "transparent", c["font"] = QJsonValue(),
                     c["mousePointer"] = 0;
                   }),
       "Picture1", "kind"},
      {"artwork that cannot be loaded",
       WithControl("Picture1", [](QJsonObject& c) { c["picture"] = ":/assets/none.bmp"; }), "Picture1", "picture"},
  };
  for (const Case& c : cases) {
    QTest::qWait(0);  // forms closed earlier leave the list first
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    std::ostringstream err;
    const int status = app::RunProgram(*qApp, c.text, env.Addresses(), err);
    EXPECT_NE(status, 0) << c.what;
    const std::string message = err.str();
    EXPECT_NE(message.find("control \"" + c.control + "\""), std::string::npos) << c.what << ": " << message;
    EXPECT_NE(message.find("key \"" + c.key + "\""), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << "one message: " << message;
    QTest::qWait(0);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore)
        << c.what << ": a window was made";
  }
}

TEST(StartUpTest, TheBuiltProgramEndsWhenItsCloseButtonIsClicked) {
  ProgramEnv::Get();
  const QString xdotool = QStandardPaths::findExecutable("xdotool");
  ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is needed to click the real window";
  QProcess program;
  program.setProgram(QStringLiteral(KORVANE_PROGRAM));
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start();
  ASSERT_TRUE(program.waitForStarted(5000));
  // The window opens frameless at its design position: client area at (603, 97).
  QProcess search;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        search.start(xdotool, {"search", "--onlyvisible", "--name", "^Korvane$"});
        search.waitForFinished(3000);
        return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
      },
      20000))
      << "the program's window never appeared";
  QTest::qWait(1000);  // let it draw its buttons
  const QPoint close(603 + 488 + 12, 97 + 12);
  QProcess click;
  click.start(xdotool,
              {"mousemove", QString::number(close.x()), QString::number(close.y()), "sleep", "0.3", "mousemove",
               QString::number(close.x() + 1), QString::number(close.y()), "sleep", "0.2", "click", "1"});
  ASSERT_TRUE(click.waitForFinished(5000));
  const bool ended = QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 15000);
  if (!ended) {
    program.kill();
    program.waitForFinished(3000);
  }
  ASSERT_TRUE(ended) << "the program still ran after its close button was clicked";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
