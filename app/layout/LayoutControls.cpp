// The readers of each kind of control in the layout's control list.
#include <QJsonArray>

#include "glossbutton/MousePointer.h"
#include "app/layout/LayoutReader.h"

namespace app::json {

namespace {

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

}  // namespace

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
    const ObjectReader r(o, c.name, keys({"caption", "foreColor", "backStyle", "font", "mousePointer", "mouseIcon"}));
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

}  // namespace app::json
