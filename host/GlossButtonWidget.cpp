#include "host/GlossButtonWidget.h"

#include <cmath>
#include <cstring>

#include "host/QtSystemColors.h"
#include "host/QtTextEngine.h"
#include "platform/SystemColors.h"

namespace host {

namespace {

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

}  // namespace

GlossButtonWidget::GlossButtonWidget(QWidget* parent) : GlossButtonWidget(gloss::PropertyBag{}, parent) {}

GlossButtonWidget::GlossButtonWidget(const gloss::PropertyBag& bag, QWidget* parent)
    : GlossButtonWidget(bag, true, parent) {}

GlossButtonWidget::GlossButtonWidget(const gloss::PropertyBag& bag, bool userMode, QWidget* parent)
    : ControlSite(parent) {
  SetUserMode(userMode);
  setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  SetEventListener(this);
  connect(this, &ControlSite::keyActivated, this, &GlossButtonWidget::activated);
  ReadProperties(bag);
}

GlossButtonWidget::~GlossButtonWidget() { SetEventListener(nullptr); }

QString GlossButtonWidget::caption() const { return QString::fromStdString(Button().Caption()); }
void GlossButtonWidget::setCaption(const QString& caption) { Button().SetCaption(caption.toStdString()); }
int GlossButtonWidget::style() const { return Button().Style(); }
void GlossButtonWidget::setStyle(int style) {
  if (style < 0 || style > 6)
    qWarning("GlossButtonWidget: style %d is none of 0 to 6; the button draws no face", style);
  Button().SetStyle(style);
}
int GlossButtonWidget::colorScheme() const { return Button().ColorScheme(); }
void GlossButtonWidget::setColorScheme(int scheme) { Button().SetColorScheme(scheme); }
bool GlossButtonWidget::isChecked() const { return Button().Checked(); }
void GlossButtonWidget::setChecked(bool checked) { Button().SetChecked(checked); }
bool GlossButtonWidget::displayHand() const { return Button().DisplayHand(); }
void GlossButtonWidget::setDisplayHand(bool on) {
  Button().SetDisplayHand(on);
  // The control only picks the pointer up when it reads its properties; a Qt user expects the
  // property to take effect, so the site's pointer follows at once.
  SetMousePointer(on ? gloss::kPointerCustom : gloss::kPointerArrow);
}
int GlossButtonWidget::pictureAlignment() const { return Button().PictureAlignment(); }
void GlossButtonWidget::setPictureAlignment(int alignment) { Button().SetPictureAlignment(alignment); }
int GlossButtonWidget::borderBrightness() const { return Button().BorderBrightness(); }
void GlossButtonWidget::setBorderBrightness(int brightness) { Button().SetBorderBrightness(brightness); }

QColor GlossButtonWidget::colorButtonUp() const { return FromOle(Button().ColorButtonUp()); }
void GlossButtonWidget::setColorButtonUp(const QColor& c) {
  if (Usable(c, "colorButtonUp")) Button().SetColorButtonUp(ToOle(c));
}
QColor GlossButtonWidget::colorButtonHover() const { return FromOle(Button().ColorButtonHover()); }
void GlossButtonWidget::setColorButtonHover(const QColor& c) {
  if (Usable(c, "colorButtonHover")) Button().SetColorButtonHover(ToOle(c));
}
QColor GlossButtonWidget::colorButtonDown() const { return FromOle(Button().ColorButtonDown()); }
void GlossButtonWidget::setColorButtonDown(const QColor& c) {
  if (Usable(c, "colorButtonDown")) Button().SetColorButtonDown(ToOle(c));
}
QColor GlossButtonWidget::colorBright() const { return FromOle(Button().ColorBright()); }
void GlossButtonWidget::setColorBright(const QColor& c) {
  if (Usable(c, "colorBright")) Button().SetColorBright(ToOle(c));
}
QColor GlossButtonWidget::foreColor() const { return FromOle(Button().ForeColor()); }
void GlossButtonWidget::setForeColor(const QColor& c) {
  if (Usable(c, "foreColor")) Button().SetForeColor(ToOle(c));
}

QFont GlossButtonWidget::captionFont() const {
  // In points, as it is stored and as form designers show and save fonts; the control draws it
  // at 96 dpi.
  const gloss::Font& stored = Button().Font();
  QFont f = QtTextEngine::ToQFont(stored);
  if (stored.size > 0) f.setPointSizeF(stored.size);
  return f;
}
void GlossButtonWidget::setCaptionFont(const QFont& font) { Button().SetFont(ToControlFont(font)); }

QImage GlossButtonWidget::picture() const {
  const gloss::PicturePtr pic = Button().Picture();
  if (!pic || pic->image.width <= 0 || pic->image.height <= 0) return {};
  QImage out(pic->image.width, pic->image.height, QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y)
    std::memcpy(out.scanLine(y), pic->image.pixels.data() + static_cast<std::size_t>(y) * pic->image.width,
                static_cast<std::size_t>(pic->image.width) * 4);
  return out;
}

void GlossButtonWidget::setPicture(const QImage& image) {
  if (image.isNull()) {
    Button().SetPicture(nullptr);
    return;
  }
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
  Button().SetPicture(std::move(pic));
}

QPixmap GlossButtonWidget::picturePixmap() const { return QPixmap::fromImage(picture()); }
void GlossButtonWidget::setPicturePixmap(const QPixmap& pixmap) { setPicture(pixmap.toImage()); }

gloss::PropertyBag GlossButtonWidget::properties() const {
  gloss::PropertyBag bag;
  Button().WriteProperties(bag);
  return bag;
}

void GlossButtonWidget::OnStatus(const std::string& sStatus) { emit status(QString::fromStdString(sStatus)); }
void GlossButtonWidget::OnClick() { emit clicked(); }
void GlossButtonWidget::OnDblClick() { emit doubleClicked(); }
void GlossButtonWidget::OnMouseEnter() { emit mouseEnter(); }
void GlossButtonWidget::OnMouseLeave() { emit mouseLeave(); }
void GlossButtonWidget::OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit mouseMove(Button, Shift, X, Y);
}
void GlossButtonWidget::OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit mouseUp(Button, Shift, X, Y);
}
void GlossButtonWidget::OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  emit mouseDown(Button, Shift, X, Y);
}

}  // namespace host
