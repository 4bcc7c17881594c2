#include <GlossButton/GlossButtonWidget.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "host/qt/ControlAccessible.h"
#include "host/qt/GlossButtonWidgetPrivate.h"

// ---- The private part: the site, with the widget as its surface

GlossButtonWidgetPrivate::GlossButtonWidgetPrivate(GlossButtonWidget& q, bool loaded)
    : host::QtSite(static_cast<host::QtSurface&>(*this)), q(q), loadOnStart(loaded) {}

GlossButtonWidgetPrivate::~GlossButtonWidgetPrivate() {
  if (WindowHandle()) SetEventListener(nullptr);
  Close();
}

void GlossButtonWidgetPrivate::Start() {
  host::InstallControlAccessibleFactory();
  Open();
  q.setMouseTracking(true);
  q.setFocusPolicy(Qt::StrongFocus);
  q.setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  SetEventListener(&m_Signals);
  if (loadOnStart) ReadProperties(gloss::PropertyBag{});
}

QFont GlossButtonWidgetPrivate::SurfaceFont() const { return q.parentWidget() ? q.parentWidget()->font() : q.font(); }

QColor GlossButtonWidgetPrivate::SurfaceBackColor() const {
  return (q.parentWidget() ? q.parentWidget()->palette() : q.palette()).color(QPalette::Window);
}

void GlossButtonWidgetPrivate::ShapeChanged(const QRegion* mask) {
  if (!mask)
    q.clearMask();
  else
    // An empty QRegion would mean "no mask"; an empty shape must hide every pixel instead.
    q.setMask(mask->isEmpty() ? QRegion(-1, -1, 1, 1) : *mask);
}

void GlossButtonWidgetPrivate::SetPointerShape(Qt::CursorShape shape) {
  if (shape == Qt::BitmapCursor)
    q.unsetCursor();
  else
    q.setCursor(shape);
}

void GlossButtonWidgetPrivate::ControlPropertyChanged(const QString& name) {
  host::NotifyAccessibleChange(&q, name == QLatin1String("Caption"), name == QLatin1String("Checked"), false);
  emit q.controlPropertyChanged(name);
}

void GlossButtonWidgetPrivate::PressedLookChanged() { host::NotifyAccessibleChange(&q, false, false, true); }

void GlossButtonWidgetPrivate::Paint() {
  RatioMayHaveChanged();
  // At ratio 1 the mask cuts the face exactly; above it, whole logical pixels of the mask hold
  // device pixels outside the shape, which the cut face leaves transparent.
  const QImage face = Face(ImageRatio() != 1.0);
  if (face.isNull()) return;
  QPainter painter(&q);
  painter.drawImage(0, 0, face);
}

// ---- The widget

GlossButtonWidget::GlossButtonWidget(QWidget* parent)
    : GlossButtonWidget(*new GlossButtonWidgetPrivate(*this, /*loaded=*/true), parent) {}

GlossButtonWidget::GlossButtonWidget(GlossButtonWidgetPrivate& dd, QWidget* parent) : QWidget(parent), d_ptr(&dd) {
  d_ptr->Start();
}

GlossButtonWidget::~GlossButtonWidget() = default;

QString GlossButtonWidget::caption() const { return d_ptr->Caption(); }
void GlossButtonWidget::setCaption(const QString& caption) { d_ptr->SetCaption(caption); }

GlossButtonWidget::Style GlossButtonWidget::style() const { return static_cast<Style>(d_ptr->Button().Style()); }
void GlossButtonWidget::setStyle(Style style) { d_ptr->SetStyle(style); }
void GlossButtonWidget::setStyle(int style) { d_ptr->SetStyle(style); }
GlossButtonWidget::ColorScheme GlossButtonWidget::colorScheme() const {
  return static_cast<ColorScheme>(d_ptr->Button().ColorScheme());
}
void GlossButtonWidget::setColorScheme(ColorScheme scheme) { d_ptr->SetColorScheme(scheme); }
void GlossButtonWidget::setColorScheme(int scheme) { d_ptr->SetColorScheme(scheme); }
bool GlossButtonWidget::isChecked() const { return d_ptr->Button().Checked(); }
void GlossButtonWidget::setChecked(bool checked) { d_ptr->SetChecked(checked); }
bool GlossButtonWidget::displayHand() const { return d_ptr->Button().DisplayHand(); }
void GlossButtonWidget::setDisplayHand(bool on) { d_ptr->SetDisplayHand(on); }
GlossButtonWidget::PictureAlignment GlossButtonWidget::pictureAlignment() const {
  return static_cast<PictureAlignment>(d_ptr->Button().PictureAlignment());
}
void GlossButtonWidget::setPictureAlignment(PictureAlignment alignment) { d_ptr->SetPictureAlignment(alignment); }
void GlossButtonWidget::setPictureAlignment(int alignment) { d_ptr->SetPictureAlignment(alignment); }
int GlossButtonWidget::borderBrightness() const { return d_ptr->Button().BorderBrightness(); }
void GlossButtonWidget::setBorderBrightness(int brightness) { d_ptr->SetBorderBrightness(brightness); }

using Color = host::QtSite::Color;
QColor GlossButtonWidget::colorButtonUp() const { return d_ptr->GetColor(Color::ButtonUp); }
void GlossButtonWidget::setColorButtonUp(const QColor& c) { d_ptr->SetColor(Color::ButtonUp, c); }
QColor GlossButtonWidget::colorButtonHover() const { return d_ptr->GetColor(Color::ButtonHover); }
void GlossButtonWidget::setColorButtonHover(const QColor& c) { d_ptr->SetColor(Color::ButtonHover, c); }
QColor GlossButtonWidget::colorButtonDown() const { return d_ptr->GetColor(Color::ButtonDown); }
void GlossButtonWidget::setColorButtonDown(const QColor& c) { d_ptr->SetColor(Color::ButtonDown, c); }
QColor GlossButtonWidget::colorBright() const { return d_ptr->GetColor(Color::Bright); }
void GlossButtonWidget::setColorBright(const QColor& c) { d_ptr->SetColor(Color::Bright, c); }
QColor GlossButtonWidget::foreColor() const { return d_ptr->GetColor(Color::Fore); }
void GlossButtonWidget::setForeColor(const QColor& c) { d_ptr->SetColor(Color::Fore, c); }

QFont GlossButtonWidget::captionFont() const { return d_ptr->CaptionFont(); }
void GlossButtonWidget::setCaptionFont(const QFont& font) { d_ptr->SetCaptionFont(font); }

QImage GlossButtonWidget::picture() const { return d_ptr->Picture(); }
void GlossButtonWidget::setPicture(const QImage& image) { d_ptr->SetPicture(image); }

QPixmap GlossButtonWidget::picturePixmap() const { return QPixmap::fromImage(picture()); }
void GlossButtonWidget::setPicturePixmap(const QPixmap& pixmap) { setPicture(pixmap.toImage()); }

QSize GlossButtonWidget::sizeHint() const { return {100, 30}; }

void GlossButtonWidget::click() { d_ptr->PressAndRelease(); }

// ---- Qt's events, handed to the engine. Any of them may delete this widget.

void GlossButtonWidget::paintEvent(QPaintEvent*) { d_ptr->Paint(); }
void GlossButtonWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d_ptr->Resized();
}
void GlossButtonWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  d_ptr->Shown();
}
void GlossButtonWidget::mouseMoveEvent(QMouseEvent* event) { d_ptr->MouseMove(event); }
void GlossButtonWidget::mousePressEvent(QMouseEvent* event) { d_ptr->MousePress(event); }
void GlossButtonWidget::mouseReleaseEvent(QMouseEvent* event) { d_ptr->MouseRelease(event); }
void GlossButtonWidget::mouseDoubleClickEvent(QMouseEvent* event) { d_ptr->MouseDoubleClick(event); }
void GlossButtonWidget::keyPressEvent(QKeyEvent* event) {
  if (!d_ptr->KeyPress(event)) QWidget::keyPressEvent(event);
}
void GlossButtonWidget::keyReleaseEvent(QKeyEvent* event) {
  if (!d_ptr->KeyRelease(event)) QWidget::keyReleaseEvent(event);
}
void GlossButtonWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  d_ptr->FocusIn();
}
void GlossButtonWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  d_ptr->FocusOut();
}
void GlossButtonWidget::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  d_ptr->PointerEntered();
}
void GlossButtonWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  d_ptr->PointerLeft();
}
