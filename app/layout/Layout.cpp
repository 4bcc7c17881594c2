#include "app/layout/Layout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <set>
#include <utility>

#include "app/layout/LayoutReader.h"

namespace app {

namespace {

// A name as it goes into the one-line message: quotes, backslashes and control characters
// escaped as in JSON, so that a NUL cannot cut the line short nor a newline split it.
// The problem text keeps its own quotes (quotes = false): only its control characters are escaped.
std::string Escaped(const std::string& text, bool quotes = true) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += quotes ? "\\\"" : "\""; break;
      case '\\': out += quotes ? "\\\\" : "\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out;
}

}  // namespace

LayoutError::LayoutError(std::string control, std::string key, const std::string& problem)
    : std::runtime_error("layout: control \"" + Escaped(control) + "\", key \"" + Escaped(key) +
                         "\": " + Escaped(problem, false)),
      m_Control(std::move(control)),
      m_Key(std::move(key)) {}

std::int32_t TwipsToPixels(double twips) {
  const double px = std::nearbyint(twips / kTwipsPerPixel);
  if (!(px >= std::numeric_limits<std::int32_t>::min() && px <= std::numeric_limits<std::int32_t>::max())) {
    throw std::out_of_range("position out of range");
  }
  return static_cast<std::int32_t>(px);
}

const ControlLayout* FormLayout::Find(const std::string& controlName) const {
  for (const auto& c : controls) {
    if (c.name == controlName) return &c;
  }
  return nullptr;
}

std::vector<std::string> FormLayout::TabOrder() const {
  std::vector<const ControlLayout*> withTab;
  for (const auto& c : controls) {
    if (c.tabIndex) withTab.push_back(&c);
  }
  std::sort(withTab.begin(), withTab.end(),
            [](const ControlLayout* a, const ControlLayout* b) { return *a->tabIndex < *b->tabIndex; });
  std::vector<std::string> names;
  for (const auto* c : withTab) names.push_back(c->name);
  return names;
}

FormLayout ParseLayout(const QByteArray& json) {
  using json::ObjectReader;
  json::RefuseRawControlCharacters(json);
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    throw LayoutError(
        "(file)", "(syntax)",
        "not valid JSON at offset " + std::to_string(error.offset) + ": " + error.errorString().toStdString());
  }
  if (!doc.isObject()) throw LayoutError("(file)", "(root)", "expected an object");
  const ObjectReader root(doc.object(), "(file)", {"format", "form", "controls", "cursors"});
  if (root.Int32("format") != 1) root.Fail("format", "unsupported format");

  const QJsonValue formValue = root.Get("form");
  if (!formValue.isObject()) root.Fail("form", "expected an object");
  const QJsonValue nameValue = formValue.toObject().value(QLatin1String("name"));
  const std::string formName = nameValue.isString() ? nameValue.toString().toStdString() : "(form)";
  const ObjectReader f(formValue.toObject(), formName,
                       {"name", "caption", "borderStyle", "controlBox", "startUpPosition", "clientLeft", "clientTop",
                        "clientWidth", "clientHeight", "scaleMode", "backColor", "picture", "icon", "font"});
  FormLayout form;
  form.name = f.String("name");
  form.caption = f.String("caption");
  form.borderStyle = f.Int32("borderStyle");
  form.controlBox = f.Bool("controlBox");
  form.startUpPosition = f.Int32("startUpPosition");
  form.clientPixels.left = TwipsToPixels(f.Twips("clientLeft"));
  form.clientPixels.top = TwipsToPixels(f.Twips("clientTop"));
  form.clientWidthTwips = f.Twips("clientWidth");
  form.clientHeightTwips = f.Twips("clientHeight");
  json::CheckScreenSize(f, "clientWidth", form.clientWidthTwips);
  json::CheckScreenSize(f, "clientHeight", form.clientHeightTwips);
  form.clientPixels.width = TwipsToPixels(form.clientWidthTwips);
  form.clientPixels.height = TwipsToPixels(form.clientHeightTwips);
  if (f.String("scaleMode") != "twips") f.Fail("scaleMode", "only twips is supported");
  form.backColor = f.Colour("backColor");
  form.picture = f.String("picture");
  form.icon = f.String("icon");
  form.font = f.OptionalFont("font");

  const QJsonValue cursorsValue = root.Get("cursors");
  if (!cursorsValue.isObject()) root.Fail("cursors", "expected an object");
  const QJsonValue controlsValue = root.Get("controls");
  if (!controlsValue.isArray()) root.Fail("controls", "expected a list");

  std::set<std::string> names;
  std::set<std::int32_t> tabs;
  for (const QJsonValue& item : controlsValue.toArray()) {
    if (!item.isObject()) root.Fail("controls", "expected a list of objects");
    ControlLayout c = json::ReadControl(item.toObject(), cursorsValue.toObject());
    if (!names.insert(c.name).second) throw LayoutError(c.name, "name", "two controls share this name");
    if (c.tabIndex && !tabs.insert(*c.tabIndex).second) {
      throw LayoutError(c.name, "tabIndex", "tab index " + std::to_string(*c.tabIndex) + " is used twice");
    }
    form.controls.push_back(std::move(c));
  }
  return form;
}

FormLayout LoadLayout(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    throw LayoutError("(file)", path, "cannot open: " + file.errorString().toStdString());
  }
  return ParseLayout(file.readAll());
}

}  // namespace app
