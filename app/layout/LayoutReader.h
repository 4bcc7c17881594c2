#pragma once
// Reading the layout's JSON: one object at a time on behalf of one control, so that every
// complaint names both, and the checks the parser does not make.
#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "app/layout/Layout.h"

namespace app::json {

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

// Raw control characters are not allowed inside JSON strings; the parser would take them.
void RefuseRawControlCharacters(const QByteArray& json);

// A width or height no screen could show is refused.
void CheckScreenSize(const ObjectReader& r, const std::string& key, double twips);

// One entry of the layout's control list; cursors holds the custom pointers by name.
ControlLayout ReadControl(const QJsonObject& o, const QJsonObject& cursors);

}  // namespace app::json
