// The control's properties in Qt's types, as both hosts offer them. Every change from Qt reaches
// the control through Guarded: the control's errors (a face or shape too large to build, no
// memory for it) must not pass into Qt, whose property system and event loop cannot handle
// them. The error is reported, the old value is put back so that the property reads what the
// button shows, and the program goes on.
#include <cmath>
#include <cstring>
#include <exception>

#include <QObject>

#include "host/qt/QtSite.h"
#include "host/qt/QtSystemColors.h"
#include "platform/SystemColors.h"

namespace host {

namespace {

std::int32_t ToOle(const QColor& c) { return static_cast<std::int32_t>(ToColorRef(c)); }

QColor FromOle(std::int32_t ole) {
  platform::COLORREF rgb = 0;
  if (platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(ole), 0, &rgb) != platform::S_OK) return {};
  return FromColorRef(rgb);
}

gloss::PicturePtr ToControlPicture(const QImage& image) {
  if (image.isNull()) return nullptr;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  auto pic = std::make_shared<gloss::Picture>();
  pic->image.width = argb.width();
  pic->image.height = argb.height();
  pic->image.pixels.resize(static_cast<std::size_t>(argb.width()) * static_cast<std::size_t>(argb.height()));
  for (int y = 0; y < argb.height(); ++y)
    std::memcpy(pic->image.pixels.data() + static_cast<std::size_t>(y) * argb.width(), argb.constScanLine(y),
                static_cast<std::size_t>(argb.width()) * 4);
  // An image made for a device pixel ratio covers its size in device-independent pixels.
  const QSizeF size = argb.deviceIndependentSize();
  pic->widthHimetric = static_cast<std::int32_t>(std::lrint(size.width() * gloss::kHimetricPerPixel));
  pic->heightHimetric = static_cast<std::int32_t>(std::lrint(size.height() * gloss::kHimetricPerPixel));
  return pic;
}

struct ColorProperty {
  const char* name;
  std::int32_t (gloss::GlossButton::*get)() const;
  void (gloss::GlossButton::*set)(std::int32_t);
};

const ColorProperty& PropertyOf(QtSite::Color which) {
  static const ColorProperty table[] = {
      {"colorButtonUp", &gloss::GlossButton::ColorButtonUp, &gloss::GlossButton::SetColorButtonUp},
      {"colorButtonHover", &gloss::GlossButton::ColorButtonHover, &gloss::GlossButton::SetColorButtonHover},
      {"colorButtonDown", &gloss::GlossButton::ColorButtonDown, &gloss::GlossButton::SetColorButtonDown},
      {"colorBright", &gloss::GlossButton::ColorBright, &gloss::GlossButton::SetColorBright},
      {"foreColor", &gloss::GlossButton::ForeColor, &gloss::GlossButton::SetForeColor},
  };
  return table[static_cast<int>(which)];
}

}  // namespace

const char* QtSite::Who() const { return m_Surface.Object().metaObject()->className(); }

template <class Change, class Undo>
void QtSite::Guarded(const char* property, Change&& change, Undo&& undo) {
  try {
    change();
    return;
  } catch (const std::exception& e) {
    qWarning("%s: %s: %s; the property stays as it was", Who(), property, e.what());
  }
  try {
    undo();
  } catch (const std::exception& e) {
    qWarning("%s: %s: the old value cannot be drawn either: %s", Who(), property, e.what());
  }
}

// A setter of the control, with the value it had before as the undo.
#define KORVANE_ASSIGN(property, getter, setter, value)              \
  do {                                                               \
    gloss::GlossButton& b = Button();                                \
    const auto old = b.getter();                                     \
    Guarded(                                                         \
        property, [&] { b.setter(value); }, [&] { b.setter(old); }); \
  } while (0)

QString QtSite::Caption() const { return QString::fromStdString(Button().Caption()); }
void QtSite::SetCaption(const QString& caption) {
  KORVANE_ASSIGN("caption", Caption, SetCaption, caption.toStdString());
}

void QtSite::SetStyle(int style) {
  if (style < 0 || style > 6) qWarning("%s: style %d is none of 0 to 6; the button draws no face", Who(), style);
  KORVANE_ASSIGN("style", Style, SetStyle, style);
}

void QtSite::SetColorScheme(int scheme) {
  if (scheme < 0 || scheme > 6)
    qWarning("%s: colour scheme %d is none of 0 to 6; the colours stay as they are", Who(), scheme);
  gloss::GlossButton& b = Button();
  const std::int32_t old = b.ColorScheme();
  const std::int32_t up = b.ColorButtonUp(), hover = b.ColorButtonHover(), down = b.ColorButtonDown(),
                     bright = b.ColorBright();
  Guarded(
      "colorScheme", [&] { b.SetColorScheme(scheme); },
      [&] {
        // The colours first (each clears the scheme), then the scheme number itself.
        b.SetColorButtonUp(up);
        b.SetColorButtonHover(hover);
        b.SetColorButtonDown(down);
        b.SetColorBright(bright);
        if (old >= 1 && old <= 6) b.SetColorScheme(old);
      });
}

void QtSite::SetChecked(bool checked) { KORVANE_ASSIGN("checked", Checked, SetChecked, checked); }

void QtSite::SetDisplayHand(bool on) {
  Button().SetDisplayHand(on);
  // The control only picks the pointer up when it reads its properties; a Qt user expects the
  // property to take effect, so the pointer follows at once.
  SetMousePointer(on ? gloss::kPointerCustom : gloss::kPointerArrow);
}

void QtSite::SetPictureAlignment(int alignment) {
  if (alignment < 0 || alignment > 3)
    qWarning("%s: picture alignment %d is none of 0 to 3; the picture goes to the top left corner", Who(), alignment);
  KORVANE_ASSIGN("pictureAlignment", PictureAlignment, SetPictureAlignment, alignment);
}

void QtSite::SetBorderBrightness(int brightness) {
  KORVANE_ASSIGN("borderBrightness", BorderBrightness, SetBorderBrightness, brightness);
}

#undef KORVANE_ASSIGN

QColor QtSite::GetColor(Color which) const { return FromOle((Button().*PropertyOf(which).get)()); }

void QtSite::SetColor(Color which, const QColor& c) {
  const ColorProperty& p = PropertyOf(which);
  if (!c.isValid()) {
    qWarning("%s: %s: not a valid colour; the colour stays as it was", Who(), p.name);
    return;
  }
  gloss::GlossButton& b = Button();
  const std::int32_t old = (b.*p.get)();
  Guarded(
      p.name, [&] { (b.*p.set)(ToOle(c)); }, [&] { (b.*p.set)(old); });
}

QFont QtSite::CaptionFont() const {
  // In points, as it is stored and as form designers show and save fonts; the control draws it
  // at 96 dpi.
  const gloss::Font& stored = Button().Font();
  QFont f = QtTextEngine::ToQFont(stored);
  if (stored.size > 0) f.setPointSizeF(stored.size);
  return f;
}

void QtSite::SetCaptionFont(const QFont& font) {
  gloss::GlossButton& b = Button();
  const gloss::Font old = b.Font();
  const gloss::Font value = ToControlFont(font);
  Guarded(
      "captionFont", [&] { b.SetFont(value); }, [&] { b.SetFont(old); });
}

QImage QtSite::Picture() const {
  const gloss::PicturePtr pic = Button().Picture();
  if (!pic || pic->image.width <= 0 || pic->image.height <= 0) return {};
  QImage out(pic->image.width, pic->image.height, QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y)
    std::memcpy(out.scanLine(y), pic->image.pixels.data() + static_cast<std::size_t>(y) * pic->image.width,
                static_cast<std::size_t>(pic->image.width) * 4);
  return out;
}

void QtSite::SetPicture(const QImage& image) {
  gloss::GlossButton& b = Button();
  const gloss::PicturePtr old = b.Picture();
  Guarded(
      "picture", [&] { b.SetPicture(ToControlPicture(image)); }, [&] { b.SetPicture(old); });
}

}  // namespace host
