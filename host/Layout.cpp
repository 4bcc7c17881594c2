#include "host/Layout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <utility>

#include "glossbutton/MousePointer.h"

namespace host {

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

// Raw control characters are not allowed inside JSON strings; the parser would take them.
void RefuseRawControlCharacters(const QByteArray& json) {
  bool inString = false;
  for (qsizetype i = 0; i < json.size(); ++i) {
    const auto c = static_cast<unsigned char>(json[i]);
    if (!inString) {
      if (c == '"') inString = true;
      continue;
    }
    if (c == '\\') {
      ++i;  // the escaped character, whatever it is
    } else if (c == '"') {
      inString = false;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "U+%04X", c);
      throw LayoutError("(file)", "(syntax)",
                        "not valid JSON at offset " + std::to_string(i) + ": raw control character " + buf +
                            " in a string (write it escaped)");
    }
  }
}

}  // namespace

LayoutError::LayoutError(std::string control, std::string key, const std::string& problem)
    : std::runtime_error("layout: control \"" + Escaped(control) + "\", key \"" + Escaped(key) + "\": " +
                         Escaped(problem, false)),
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

namespace {

// Reads one JSON object on behalf of one control, so that every complaint names both.
class ObjectReader {
 public:
  ObjectReader(const QJsonObject& object, std::string control, std::set<std::string> allowed)
      : m_Object(object), m_Control(std::move(control)) {
    for (auto it = object.begin(); it != object.end(); ++it) {
      const std::string key = it.key().toStdString();
      if (!allowed.count(key)) Fail(key, "unknown key");
    }
  }

  [[noreturn]] void Fail(const std::string& key, const std::string& problem) const {
    throw LayoutError(m_Control, key, problem);
  }

  bool Has(const std::string& key) const { return m_Object.contains(QString::fromStdString(key)); }

  QJsonValue Get(const std::string& key) const {
    const QJsonValue v = m_Object.value(QString::fromStdString(key));
    if (v.isUndefined()) Fail(key, "missing");
    return v;
  }

  double Number(const std::string& key) const {
    const QJsonValue v = Get(key);
    if (!v.isDouble()) Fail(key, "expected a number");
    return v.toDouble();
  }

  std::int32_t Int32(const std::string& key) const { return ToInt32(Get(key), key); }

  std::int32_t ToInt32(const QJsonValue& v, const std::string& key) const {
    if (!v.isDouble()) Fail(key, "expected an integer");
    const double d = v.toDouble();
    if (d != std::trunc(d)) Fail(key, "expected an integer");
    if (d < std::numeric_limits<std::int32_t>::min() || d > std::numeric_limits<std::int32_t>::max()) {
      Fail(key, "out of the 32-bit range");
    }
    return static_cast<std::int32_t>(d);
  }

  bool Bool(const std::string& key) const {
    const QJsonValue v = Get(key);
    if (!v.isBool()) Fail(key, "expected true or false");
    return v.toBool();
  }

  std::string String(const std::string& key) const {
    const QJsonValue v = Get(key);
    if (!v.isString()) Fail(key, "expected a text");
    return v.toString().toStdString();
  }

  // Colours are written as "0x" and eight hex digits so that system colours stay readable.
  std::int32_t Colour(const std::string& key) const {
    const QJsonValue v = Get(key);
    if (!v.isString()) Fail(key, "expected a colour such as \"0x00FF0000\"");
    const QString text = v.toString();
    bool ok = false;
    const uint value = text.startsWith(QLatin1String("0x")) && text.size() == 10 ? text.mid(2).toUInt(&ok, 16) : 0;
    if (!ok) Fail(key, "expected a colour such as \"0x00FF0000\"");
    return static_cast<std::int32_t>(value);
  }

  double Twips(const std::string& key) const {
    const double t = Number(key);
    if (!std::isfinite(t) || std::fabs(t) > 1e9) Fail(key, "position out of range");
    return t;
  }

  std::optional<gloss::Font> OptionalFont(const std::string& key) const {
    const QJsonValue v = Get(key);
    if (v.isNull()) return std::nullopt;
    return ToFont(v, key);
  }

  gloss::Font ToFont(const QJsonValue& v, const std::string& key) const {
    if (!v.isObject()) Fail(key, "expected a font object");
    const ObjectReader f(v.toObject(), m_Control,
                         {"name", "size", "weight", "charset", "italic", "underline", "strikethrough"});
    gloss::Font font;
    font.name = f.String("name");
    font.size = f.Number("size");
    if (!(font.size > 0 && font.size < 1000)) f.Fail("size", "font size out of range");
    const std::int32_t weight = f.Int32("weight");
    if (weight < 0 || weight > 1000) f.Fail("weight", "font weight out of range");
    font.weight = static_cast<std::int16_t>(weight);
    const std::int32_t charset = f.Int32("charset");
    if (charset < 0 || charset > 255) f.Fail("charset", "character set out of range");
    font.charset = static_cast<std::int16_t>(charset);
    font.italic = f.Bool("italic");
    font.underline = f.Bool("underline");
    font.strikethrough = f.Bool("strikethrough");
    return font;
  }

  const QJsonObject& Object() const { return m_Object; }
  const std::string& Control() const { return m_Control; }

 private:
  QJsonObject m_Object;
  std::string m_Control;
};

void CheckScreenSize(const ObjectReader& r, const std::string& key, double twips) {
  if (twips > kMaxSizeTwips)
    r.Fail(key, "size larger than any screen (at most " + std::to_string(static_cast<int>(kMaxSizeTwips)) +
                    " twips)");
}

void ReadBox(const ObjectReader& r, ControlLayout& c, bool sized) {
  c.leftTwips = r.Twips("left");
  c.topTwips = r.Twips("top");
  c.pixels.left = TwipsToPixels(c.leftTwips);
  c.pixels.top = TwipsToPixels(c.topTwips);
  if (sized) {
    c.widthTwips = r.Twips("width");
    c.heightTwips = r.Twips("height");
    if (c.widthTwips < 0) r.Fail("width", "negative size");
    if (c.heightTwips < 0) r.Fail("height", "negative size");
    CheckScreenSize(r, "width", c.widthTwips);
    CheckScreenSize(r, "height", c.heightTwips);
    c.pixels.width = TwipsToPixels(c.widthTwips);
    c.pixels.height = TwipsToPixels(c.heightTwips);
    c.tabIndex = r.Int32("tabIndex");
    if (*c.tabIndex < 0) r.Fail("tabIndex", "negative tab index");
  }
}

std::vector<StoredProperty> ReadProperties(const ObjectReader& owner) {
  const QJsonValue list = owner.Get("properties");
  if (!list.isArray()) owner.Fail("properties", "expected a list");
  std::vector<StoredProperty> out;
  std::set<QString> seen;
  for (const QJsonValue& item : list.toArray()) {
    if (!item.isObject()) owner.Fail("properties", "expected a list of objects");
    const QJsonObject o = item.toObject();
    const QJsonValue keyValue = o.value(QLatin1String("key"));
    if (!keyValue.isString() || keyValue.toString().isEmpty()) owner.Fail("properties", "an entry has no key");
    const std::string key = keyValue.toString().toStdString();
    // Keys compare without regard to case, so two spellings of one key are one key twice.
    if (!seen.insert(keyValue.toString().toLower()).second) owner.Fail(key, "stored twice");
    for (auto it = o.begin(); it != o.end(); ++it) {
      if (it.key() != QLatin1String("key") && it.key() != QLatin1String("type") && it.key() != QLatin1String("value")) {
        owner.Fail(key, "unknown field \"" + it.key().toStdString() + "\"");
      }
    }
    const QJsonValue type = o.value(QLatin1String("type"));
    if (!type.isString()) owner.Fail(key, "missing its type");
    if (!o.contains(QLatin1String("value"))) owner.Fail(key, "missing its value");
    const QJsonValue v = o.value(QLatin1String("value"));

    StoredProperty p;
    p.key = key;
    const QString t = type.toString();
    if (t == QLatin1String("long")) {
      p.value.type = StoredValue::Type::Long;
      p.value.longValue = owner.ToInt32(v, key);
    } else if (t == QLatin1String("boolean")) {
      if (!v.isBool()) owner.Fail(key, "expected true or false");
      p.value.type = StoredValue::Type::Boolean;
      p.value.booleanValue = v.toBool() ? -1 : 0;
    } else if (t == QLatin1String("string")) {
      if (!v.isString()) owner.Fail(key, "expected a text");
      p.value.type = StoredValue::Type::Text;
      p.value.textValue = v.toString().toStdString();
    } else if (t == QLatin1String("font")) {
      p.value.type = StoredValue::Type::Font;
      p.value.fontValue = owner.ToFont(v, key);
    } else {
      owner.Fail(key, "unknown type \"" + t.toStdString() + "\"");
    }
    out.push_back(std::move(p));
  }
  return out;
}

CursorImage ReadCursor(const QJsonValue& v, const std::string& name) {
  if (!v.isObject()) throw LayoutError("cursors", name, "expected a cursor object");
  const ObjectReader r(v.toObject(), "cursors", {"image", "hotX", "hotY"});
  CursorImage cursor{r.String("image"), r.Int32("hotX"), r.Int32("hotY")};
  if (cursor.hotX < 0 || cursor.hotY < 0) throw LayoutError("cursors", name, "negative hot spot");
  return cursor;
}

ControlLayout ReadControl(const QJsonObject& o, const QJsonObject& cursors) {
  const QJsonValue nameValue = o.value(QLatin1String("name"));
  if (!nameValue.isString() || nameValue.toString().isEmpty()) {
    throw LayoutError("(unnamed control)", "name", "missing");
  }
  ControlLayout c;
  c.name = nameValue.toString().toStdString();
  const QJsonValue kindValue = o.value(QLatin1String("kind"));
  if (!kindValue.isString()) throw LayoutError(c.name, "kind", "missing");
  const QString kind = kindValue.toString();
  const std::set<std::string> boxKeys{"name", "kind", "left", "top", "width", "height", "tabIndex"};
  auto keys = [&](std::initializer_list<std::string> extra) {
    std::set<std::string> all = boxKeys;
    all.insert(extra);
    return all;
  };

  if (kind == QLatin1String("WebBrowser")) {
    const ObjectReader r(o, c.name, keys({"visible", "extentX", "extentY", "location"}));
    c.kind = ControlKind::WebBrowser;
    ReadBox(r, c, true);
    c.visible = r.Bool("visible");
    c.extentX = r.Int32("extentX");
    c.extentY = r.Int32("extentY");
    c.location = r.String("location");
  } else if (kind == QLatin1String("Timer")) {
    const ObjectReader r(o, c.name, {"name", "kind", "left", "top", "interval", "enabled"});
    c.kind = ControlKind::Timer;
    ReadBox(r, c, false);
    c.interval = r.Int32("interval");
    if (c.interval < 0 || c.interval > 65535) r.Fail("interval", "interval out of range");
    c.enabled = r.Bool("enabled");
  } else if (kind == QLatin1String("GlossButton")) {
    const ObjectReader r(o, c.name, keys({"properties"}));
    c.kind = ControlKind::GlossButton;
    ReadBox(r, c, true);
    c.properties = ReadProperties(r);
    // The button keeps BorderBrightness within -100 to 100; a stored value outside that would
    // start a button that cannot draw its border.
    for (const StoredProperty& p : c.properties) {
      if (QString::fromStdString(p.key).compare(QLatin1String("BorderBrightness"), Qt::CaseInsensitive) == 0 &&
          p.value.type == StoredValue::Type::Long && (p.value.longValue < -100 || p.value.longValue > 100))
        r.Fail(p.key, "out of range -100 to 100");
    }
  } else if (kind == QLatin1String("PictureBox")) {
    const ObjectReader r(o, c.name, keys({"picture", "backColor", "foreColor"}));
    c.kind = ControlKind::PictureBox;
    ReadBox(r, c, true);
    c.picture = r.String("picture");
    c.backColor = r.Colour("backColor");
    c.foreColor = r.Colour("foreColor");
  } else if (kind == QLatin1String("Label")) {
    const ObjectReader r(o, c.name,
                         keys({"caption", "foreColor", "backStyle", "font", "mousePointer", "mouseIcon"}));
    c.kind = ControlKind::Label;
    ReadBox(r, c, true);
    c.caption = r.String("caption");
    c.foreColor = r.Colour("foreColor");
    const std::string backStyle = r.String("backStyle");
    if (backStyle != "transparent" && backStyle != "opaque") r.Fail("backStyle", "expected transparent or opaque");
    c.transparent = backStyle == "transparent";
    c.font = r.OptionalFont("font");
    c.mousePointer = r.Int32("mousePointer");
    if (c.mousePointer == gloss::kPointerCustom) {
      // A custom pointer without its image would silently show the arrow.
      const std::string icon = r.String("mouseIcon");
      const QJsonValue cursor = cursors.value(QString::fromStdString(icon));
      if (cursor.isUndefined()) r.Fail("mouseIcon", "no cursor named \"" + icon + "\"");
      c.mouseIcon = ReadCursor(cursor, icon);
    } else if (r.Has("mouseIcon")) {
      r.Fail("mouseIcon", "only a custom pointer (99) takes an icon");
    }
  } else {
    throw LayoutError(c.name, "kind", "unknown kind \"" + kind.toStdString() + "\"");
  }
  return c;
}

}  // namespace

FormLayout ParseLayout(const QByteArray& json) {
  RefuseRawControlCharacters(json);
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    throw LayoutError("(file)", "(syntax)",
                      "not valid JSON at offset " + std::to_string(error.offset) + ": " +
                          error.errorString().toStdString());
  }
  if (!doc.isObject()) throw LayoutError("(file)", "(root)", "expected an object");
  const ObjectReader root(doc.object(), "(file)", {"format", "form", "controls", "cursors"});
  if (root.Int32("format") != 1) root.Fail("format", "unsupported format");

  const QJsonValue formValue = root.Get("form");
  if (!formValue.isObject()) root.Fail("form", "expected an object");
  const QJsonValue nameValue = formValue.toObject().value(QLatin1String("name"));
  const std::string formName = nameValue.isString() ? nameValue.toString().toStdString() : "(form)";
  const ObjectReader f(formValue.toObject(), formName,
                       {"name", "caption", "borderStyle", "controlBox", "startUpPosition", "clientLeft",
                        "clientTop", "clientWidth", "clientHeight", "scaleMode", "backColor", "picture",
                        "icon", "font"});
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
  CheckScreenSize(f, "clientWidth", form.clientWidthTwips);
  CheckScreenSize(f, "clientHeight", form.clientHeightTwips);
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
    ControlLayout c = ReadControl(item.toObject(), cursorsValue.toObject());
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

}  // namespace host
