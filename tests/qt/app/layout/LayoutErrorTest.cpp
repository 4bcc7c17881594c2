// A damaged layout is refused with one message naming the control and the key, never read
// with a silent default.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <string>
#include <utility>

#include "app/layout/Layout.h"

namespace {

QJsonObject Original() {
  QFile file(app::kForm1LayoutPath);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("layout resource missing");
  return QJsonDocument::fromJson(file.readAll()).object();
}

// The stored layout with one control changed by `edit`.
QByteArray WithControl(const QString& name, const std::function<void(QJsonObject&)>& edit) {
  QJsonObject root = Original();
  QJsonArray controls = root["controls"].toArray();
  for (int i = 0; i < controls.size(); ++i) {
    QJsonObject c = controls[i].toObject();
    if (c["name"].toString() == name) {
      edit(c);
      controls[i] = c;
    }
  }
  root["controls"] = controls;
  return QJsonDocument(root).toJson();
}

// The stored layout with one entry of a button's property set changed.
QByteArray WithProperty(const QString& button, const QString& key, const std::function<void(QJsonObject&)>& edit) {
  return WithControl(button, [&](QJsonObject& c) {
    QJsonArray props = c["properties"].toArray();
    for (int i = 0; i < props.size(); ++i) {
      QJsonObject p = props[i].toObject();
      if (p["key"].toString() == key) {
        edit(p);
        props[i] = p;
      }
    }
    c["properties"] = props;
  });
}

void ExpectError(const QByteArray& json, const std::string& control, const std::string& key,
                 const std::string& problem) {
  try {
    app::ParseLayout(json);
    ADD_FAILURE() << "accepted a broken layout";
  } catch (const app::LayoutError& e) {
    EXPECT_EQ(e.Control(), control);
    EXPECT_EQ(e.Key(), key);
    const std::string what = e.what();
    EXPECT_NE(what.find("\"" + control + "\""), std::string::npos) << what;
    EXPECT_NE(what.find("\"" + key + "\""), std::string::npos) << what;
    EXPECT_NE(what.find(problem), std::string::npos) << what;
  }
}

TEST(LayoutErrors, TheUntouchedLayoutParses) { EXPECT_NO_THROW(app::ParseLayout(QJsonDocument(Original()).toJson())); }

TEST(LayoutErrors, BrokenFile) {
  QByteArray json = QJsonDocument(Original()).toJson();
  json.chop(json.size() / 2);
  ExpectError(json, "(file)", "(syntax)", "not valid JSON");
  ExpectError("[1, 2]", "(file)", "(root)", "expected an object");
  EXPECT_THROW(app::LoadLayout("/nonexistent/Form1.json"), app::LayoutError);
}

TEST(LayoutErrors, MissingRequiredKeys) {
  ExpectError(WithControl("Label3", [](QJsonObject& c) { c.remove("top"); }), "Label3", "top", "missing");
  ExpectError(WithControl("Timer1", [](QJsonObject& c) { c.remove("interval"); }), "Timer1", "interval", "missing");
  ExpectError(WithControl("Label1", [](QJsonObject& c) { c.remove("font"); }), "Label1", "font", "missing");
  ExpectError(WithControl("Picture1", [](QJsonObject& c) { c.remove("kind"); }), "Picture1", "kind", "missing");
  ExpectError(WithProperty("GlossButton1", "caption", [](QJsonObject& p) { p.remove("value"); }), "GlossButton1",
              "caption", "missing its value");
  QJsonObject root = Original();
  QJsonObject form = root["form"].toObject();
  form.remove("caption");
  root["form"] = form;
  ExpectError(QJsonDocument(root).toJson(), "Form1", "caption", "missing");
}

TEST(LayoutErrors, WrongTypesOfControlValues) {
  ExpectError(WithControl("WebBrowser2", [](QJsonObject& c) { c["left"] = "5040"; }), "WebBrowser2", "left",
              "expected a number");
  ExpectError(WithControl("Picture1", [](QJsonObject& c) { c["tabIndex"] = 1.5; }), "Picture1", "tabIndex",
              "expected an integer");
  ExpectError(WithControl("Timer1", [](QJsonObject& c) { c["enabled"] = 1; }), "Timer1", "enabled",
              "expected true or false");
  ExpectError(WithControl("Label2", [](QJsonObject& c) { c["caption"] = 7; }), "Label2", "caption", "expected a text");
  ExpectError(WithControl("Label2", [](QJsonObject& c) { c["foreColor"] = 16711680; }), "Label2", "foreColor",
              "expected a colour");
  ExpectError(WithControl("Picture1", [](QJsonObject& c) { c["backColor"] = "0x8000005"; }), "Picture1", "backColor",
              "expected a colour");
  ExpectError(WithControl("Label1",
                          [](QJsonObject& c) {
                            QJsonObject font = c["font"].toObject();
                            font["weight"] = "bold";
                            c["font"] = font;
                          }),
              "Label1", "weight", "expected an integer");
}

TEST(LayoutErrors, WrongTypesInButtonPropertySets) {
  ExpectError(WithProperty("GlossButton3", "style", [](QJsonObject& p) { p["value"] = "3"; }), "GlossButton3", "style",
              "expected an integer");
  ExpectError(WithProperty("GlossButton3", "colorbuttonup", [](QJsonObject& p) { p["value"] = 2147483648.0; }),
              "GlossButton3", "colorbuttonup", "32-bit range");
  ExpectError(WithProperty("GlossButton1", "checked", [](QJsonObject& p) { p["value"] = -1; }), "GlossButton1",
              "checked", "expected true or false");
  ExpectError(WithProperty("GlossButton1", "caption", [](QJsonObject& p) { p["value"] = QJsonValue::Null; }),
              "GlossButton1", "caption", "expected a text");
  ExpectError(WithProperty("GlossButton1", "font", [](QJsonObject& p) { p["value"] = "Tahoma"; }), "GlossButton1",
              "font", "expected a font object");
  ExpectError(WithProperty("GlossButton1", "style", [](QJsonObject& p) { p["type"] = "integer"; }), "GlossButton1",
              "style", "unknown type");
  // Keys compare without regard to case: "Style" beside "style" is the same key stored twice.
  ExpectError(WithProperty("GlossButton1", "colorscheme", [](QJsonObject& p) { p["key"] = "Style"; }), "GlossButton1",
              "Style", "stored twice");
}

TEST(LayoutErrors, InconsistentControls) {
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["kind"] = "Button"; }), "Label4", "kind", "unknown kind");
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["captoin"] = "x"; }), "Label4", "captoin", "unknown key");
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["tabIndex"] = 0; }), "Label4", "tabIndex", "used twice");
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["name"] = "Label3"; }), "Label3", "name", "share");
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["mouseIcon"] = "finger"; }), "Label4", "mouseIcon",
              "no cursor named");
  ExpectError(WithControl("Label1", [](QJsonObject& c) { c["mouseIcon"] = "hand"; }), "Label1", "mouseIcon",
              "only a custom pointer");
  ExpectError(WithControl("Label4", [](QJsonObject& c) { c["width"] = -15; }), "Label4", "width", "negative");
}

// Values a hand-edited or hostile file may hold: refused in one line that says what is wrong.
TEST(LayoutErrors, HostileValuesAreRefusedInOneReadableLine) {
  // Control characters in a name are escaped, so that the line is neither cut nor split.
  for (const auto& [name, shown] : {std::pair{QString::fromUtf8("Lab\0el", 6), std::string("Lab\\u0000el")},
                                    std::pair{QStringLiteral("Lab\nel"), std::string("Lab\\nel")}}) {
    try {
      app::ParseLayout(WithControl("Label4", [&](QJsonObject& c) {
        c["name"] = name;
        c["captoin"] = "x";
      }));
      ADD_FAILURE() << "accepted " << shown;
    } catch (const app::LayoutError& e) {
      EXPECT_EQ(std::string(e.what()), "layout: control \"" + shown + "\", key \"captoin\": unknown key");
    }
  }
  // JSON allows no raw control character inside a string.
  QByteArray json = QJsonDocument(Original()).toJson();
  const qsizetype at = json.indexOf("\"Form1\"");
  ASSERT_GT(at, 0);
  json.insert(at + 3, '\0');
  ExpectError(json, "(file)", "(syntax)", "raw control character U+0000");

  // Sizes no screen can show.
  ExpectError(WithControl("GlossButton1", [](QJsonObject& c) { c["width"] = 8192 * 15 + 1; }), "GlossButton1", "width",
              "larger than any screen");
  ExpectError(WithControl("WebBrowser1", [](QJsonObject& c) { c["height"] = 1e9; }), "WebBrowser1", "height",
              "larger than any screen");
  QJsonObject root = Original();
  QJsonObject form = root["form"].toObject();
  form["clientWidth"] = 300000;
  root["form"] = form;
  ExpectError(QJsonDocument(root).toJson(), "Form1", "clientWidth", "larger than any screen");
  EXPECT_NO_THROW(app::ParseLayout(WithControl("GlossButton1", [](QJsonObject& c) { c["width"] = 8192 * 15; })));

  // A border brightness the button cannot draw.
  ExpectError(WithProperty("GlossButton1", "borderbrightness", [](QJsonObject& p) { p["value"] = -2147483648.0; }),
              "GlossButton1", "borderbrightness", "out of range -100 to 100");
}

}  // namespace
