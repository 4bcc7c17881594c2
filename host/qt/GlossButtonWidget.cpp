#include <GlossButton/GlossButtonWidget.h>

#include <cmath>
#include <cstring>
#include <exception>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "host/qt/GlossButtonWidgetPrivate.h"
#include "host/qt/QtSystemColors.h"
#include "host/qt/QtTextEngine.h"
#include "platform/SystemColors.h"

namespace {

using host::FromColorRef;
using host::ToColorRef;

std::int32_t ToOle(const QColor& c) { return static_cast<std::int32_t>(ToColorRef(c)); }

QColor FromOle(std::int32_t ole) {
  platform::COLORREF rgb = 0;
  if (platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(ole), 0, &rgb) != platform::S_OK) return {};
  return FromColorRef(rgb);
}

bool Usable(const QColor& c, const char* property) {
  if (c.isValid()) return true;
  qWarning("GlossButtonWidget: %s: not a valid colour; the colour stays as it was", property);
  return false;
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

// Every change from Qt reaches the control through here. The control's errors (a face or shape
// too large to build, no memory for it) must not pass into Qt, whose property system and event
// loop cannot handle them: the error is reported, `undo` puts the old value back so that the
// property reads what the button shows, and the program goes on.
template <class Change, class Undo>
void Guarded(const char* property, Change&& change, Undo&& undo) {
  try {
    change();
    return;
  } catch (const std::exception& e) {
    qWarning("GlossButtonWidget: %s: %s; the property stays as it was", property, e.what());
  }
  try {
    undo();
  } catch (const std::exception& e) {
    qWarning("GlossButtonWidget: %s: the old value cannot be drawn either: %s", property, e.what());
  }
}

// A setter of the control, with the value it had before as the undo.
template <class T, class Set>
void Assign(const char* property, T old, const T& value, Set set) {
  Guarded(
      property, [&] { set(value); }, [&] { set(old); });
}

}  // namespace

// ---- The private part

GlossButtonWidgetPrivate::GlossButtonWidgetPrivate(GlossButtonWidget& q, bool loaded) : q(q), loadOnStart(loaded) {}

GlossButtonWidgetPrivate::~GlossButtonWidgetPrivate() {
  if (engine) engine->SetEventListener(nullptr);
}

void GlossButtonWidgetPrivate::Start() {
  engine = std::make_unique<host::SiteEngine>(q);
  q.setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  engine->SetEventListener(this);
  if (loadOnStart) engine->ReadProperties(gloss::PropertyBag{});
}

namespace {

Qt::MouseButtons ToButtons(std::int16_t button) {
  // The control's 1 left, 2 right, 4 middle are Qt's bits.
  return Qt::MouseButtons::fromInt(button & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

Qt::KeyboardModifiers ToModifiers(std::int16_t shift) {
  Qt::KeyboardModifiers m;
  if (shift & 1) m |= Qt::ShiftModifier;
  if (shift & 2) m |= Qt::ControlModifier;
  if (shift & 4) m |= Qt::AltModifier;
  return m;
}

}  // namespace

void GlossButtonWidgetPrivate::OnStatus(const std::string& sStatus) { emit q.status(QString::fromStdString(sStatus)); }
void GlossButtonWidgetPrivate::OnClick() { emit q.clicked(); }
void GlossButtonWidgetPrivate::OnDblClick() { emit q.doubleClicked(); }
void GlossButtonWidgetPrivate::OnMouseEnter() { emit q.mouseEnter(); }
void GlossButtonWidgetPrivate::OnMouseLeave() { emit q.mouseLeave(); }
void GlossButtonWidgetPrivate::OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit q.mouseMove(ToButtons(Button), ToModifiers(Shift), QPointF(X, Y));
}
void GlossButtonWidgetPrivate::OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit q.mouseUp(ToButtons(Button), ToModifiers(Shift), QPointF(X, Y));
}
void GlossButtonWidgetPrivate::OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit q.mouseDown(ToButtons(Button), ToModifiers(Shift), QPointF(X, Y));
}

namespace host {
SiteEngine& EngineOf(::GlossButtonWidget& widget) { return *GlossButtonWidgetPrivate::Of(widget).engine; }
const SiteEngine& EngineOf(const ::GlossButtonWidget& widget) { return *GlossButtonWidgetPrivate::Of(widget).engine; }
}  // namespace host

// ---- The widget

GlossButtonWidget::GlossButtonWidget(QWidget* parent)
    : GlossButtonWidget(*new GlossButtonWidgetPrivate(*this, /*loaded=*/true), parent) {}

GlossButtonWidget::GlossButtonWidget(GlossButtonWidgetPrivate& dd, QWidget* parent) : QWidget(parent), d_ptr(&dd) {
  d_ptr->Start();
}

GlossButtonWidget::~GlossButtonWidget() = default;

QString GlossButtonWidget::caption() const { return QString::fromStdString(d_ptr->engine->Button().Caption()); }
void GlossButtonWidget::setCaption(const QString& caption) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("caption", b.Caption(), caption.toStdString(), [&b](const std::string& v) { b.SetCaption(v); });
}

GlossButtonWidget::Style GlossButtonWidget::style() const {
  return static_cast<Style>(d_ptr->engine->Button().Style());
}
void GlossButtonWidget::setStyle(Style style) { setStyle(static_cast<int>(style)); }
void GlossButtonWidget::setStyle(int style) {
  if (style < ClassicStyle || style > CrescentStyle)
    qWarning("GlossButtonWidget: style %d is none of 0 to 6; the button draws no face", style);
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("style", b.Style(), style, [&b](std::int32_t v) { b.SetStyle(v); });
}
GlossButtonWidget::ColorScheme GlossButtonWidget::colorScheme() const {
  return static_cast<ColorScheme>(d_ptr->engine->Button().ColorScheme());
}
void GlossButtonWidget::setColorScheme(ColorScheme scheme) { setColorScheme(static_cast<int>(scheme)); }
void GlossButtonWidget::setColorScheme(int scheme) {
  if (scheme < OwnColors || scheme > YellowScheme)
    qWarning("GlossButtonWidget: colour scheme %d is none of 0 to 6; the colours stay as they are", scheme);
  gloss::GlossButton& b = d_ptr->engine->Button();
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
bool GlossButtonWidget::isChecked() const { return d_ptr->engine->Button().Checked(); }
void GlossButtonWidget::setChecked(bool checked) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("checked", b.Checked(), checked, [&b](bool v) { b.SetChecked(v); });
}
bool GlossButtonWidget::displayHand() const { return d_ptr->engine->Button().DisplayHand(); }
void GlossButtonWidget::setDisplayHand(bool on) {
  d_ptr->engine->Button().SetDisplayHand(on);
  // The control only picks the pointer up when it reads its properties; a Qt user expects the
  // property to take effect, so the widget's pointer follows at once.
  d_ptr->engine->SetMousePointer(on ? gloss::kPointerCustom : gloss::kPointerArrow);
}
GlossButtonWidget::PictureAlignment GlossButtonWidget::pictureAlignment() const {
  return static_cast<PictureAlignment>(d_ptr->engine->Button().PictureAlignment());
}
void GlossButtonWidget::setPictureAlignment(PictureAlignment alignment) {
  setPictureAlignment(static_cast<int>(alignment));
}
void GlossButtonWidget::setPictureAlignment(int alignment) {
  if (alignment < PictureAbove || alignment > PictureRight)
    qWarning("GlossButtonWidget: picture alignment %d is none of 0 to 3; the picture goes to the top left corner",
             alignment);
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("pictureAlignment", b.PictureAlignment(), alignment, [&b](std::int32_t v) { b.SetPictureAlignment(v); });
}
int GlossButtonWidget::borderBrightness() const { return d_ptr->engine->Button().BorderBrightness(); }
void GlossButtonWidget::setBorderBrightness(int brightness) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("borderBrightness", b.BorderBrightness(), brightness, [&b](std::int32_t v) { b.SetBorderBrightness(v); });
}

QColor GlossButtonWidget::colorButtonUp() const { return FromOle(d_ptr->engine->Button().ColorButtonUp()); }
void GlossButtonWidget::setColorButtonUp(const QColor& c) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  if (Usable(c, "colorButtonUp"))
    Assign("colorButtonUp", b.ColorButtonUp(), ToOle(c), [&b](std::int32_t v) { b.SetColorButtonUp(v); });
}
QColor GlossButtonWidget::colorButtonHover() const { return FromOle(d_ptr->engine->Button().ColorButtonHover()); }
void GlossButtonWidget::setColorButtonHover(const QColor& c) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  if (Usable(c, "colorButtonHover"))
    Assign("colorButtonHover", b.ColorButtonHover(), ToOle(c), [&b](std::int32_t v) { b.SetColorButtonHover(v); });
}
QColor GlossButtonWidget::colorButtonDown() const { return FromOle(d_ptr->engine->Button().ColorButtonDown()); }
void GlossButtonWidget::setColorButtonDown(const QColor& c) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  if (Usable(c, "colorButtonDown"))
    Assign("colorButtonDown", b.ColorButtonDown(), ToOle(c), [&b](std::int32_t v) { b.SetColorButtonDown(v); });
}
QColor GlossButtonWidget::colorBright() const { return FromOle(d_ptr->engine->Button().ColorBright()); }
void GlossButtonWidget::setColorBright(const QColor& c) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  if (Usable(c, "colorBright"))
    Assign("colorBright", b.ColorBright(), ToOle(c), [&b](std::int32_t v) { b.SetColorBright(v); });
}
QColor GlossButtonWidget::foreColor() const { return FromOle(d_ptr->engine->Button().ForeColor()); }
void GlossButtonWidget::setForeColor(const QColor& c) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  if (Usable(c, "foreColor")) Assign("foreColor", b.ForeColor(), ToOle(c), [&b](std::int32_t v) { b.SetForeColor(v); });
}

QFont GlossButtonWidget::captionFont() const {
  // In points, as it is stored and as form designers show and save fonts; the control draws it
  // at 96 dpi.
  const gloss::Font& stored = d_ptr->engine->Button().Font();
  QFont f = host::QtTextEngine::ToQFont(stored);
  if (stored.size > 0) f.setPointSizeF(stored.size);
  return f;
}
void GlossButtonWidget::setCaptionFont(const QFont& font) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  Assign("captionFont", b.Font(), host::SiteEngine::ToControlFont(font), [&b](const gloss::Font& v) { b.SetFont(v); });
}

QImage GlossButtonWidget::picture() const {
  const gloss::PicturePtr pic = d_ptr->engine->Button().Picture();
  if (!pic || pic->image.width <= 0 || pic->image.height <= 0) return {};
  QImage out(pic->image.width, pic->image.height, QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y)
    std::memcpy(out.scanLine(y), pic->image.pixels.data() + static_cast<std::size_t>(y) * pic->image.width,
                static_cast<std::size_t>(pic->image.width) * 4);
  return out;
}

void GlossButtonWidget::setPicture(const QImage& image) {
  gloss::GlossButton& b = d_ptr->engine->Button();
  const gloss::PicturePtr old = b.Picture();
  Guarded(
      "picture", [&] { b.SetPicture(ToControlPicture(image)); }, [&] { b.SetPicture(old); });
}

QPixmap GlossButtonWidget::picturePixmap() const { return QPixmap::fromImage(picture()); }
void GlossButtonWidget::setPicturePixmap(const QPixmap& pixmap) { setPicture(pixmap.toImage()); }

QSize GlossButtonWidget::sizeHint() const { return {100, 30}; }

void GlossButtonWidget::click() { d_ptr->engine->PressAndRelease(); }

// ---- Qt's events, handed to the engine. Any of them may delete this widget.

void GlossButtonWidget::paintEvent(QPaintEvent* event) { d_ptr->engine->PaintEvent(event); }
void GlossButtonWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d_ptr->engine->ResizeEvent();
}
void GlossButtonWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  d_ptr->engine->ShowEvent();
}
void GlossButtonWidget::mouseMoveEvent(QMouseEvent* event) { d_ptr->engine->MouseMoveEvent(event); }
void GlossButtonWidget::mousePressEvent(QMouseEvent* event) { d_ptr->engine->MousePressEvent(event); }
void GlossButtonWidget::mouseReleaseEvent(QMouseEvent* event) { d_ptr->engine->MouseReleaseEvent(event); }
void GlossButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) { d_ptr->engine->MouseDoubleClickEvent(event); }
void GlossButtonWidget::keyPressEvent(QKeyEvent* event) {
  if (!d_ptr->engine->KeyPressEvent(event)) QWidget::keyPressEvent(event);
}
void GlossButtonWidget::keyReleaseEvent(QKeyEvent* event) {
  if (!d_ptr->engine->KeyReleaseEvent(event)) QWidget::keyReleaseEvent(event);
}
void GlossButtonWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  d_ptr->engine->FocusInEvent();
}
void GlossButtonWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  d_ptr->engine->FocusOutEvent();
}
void GlossButtonWidget::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  d_ptr->engine->EnterEvent();
}
void GlossButtonWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  d_ptr->engine->LeaveEvent();
}
