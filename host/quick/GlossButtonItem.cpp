#include "host/quick/GlossButtonItem.h"

#include <QAccessible>
#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QtQml/qqml.h>

namespace {

// The longest side, in device pixels, a face is drawn at.
constexpr double kMaxSide = 8192;

// Is value one of the enumeration 0 to last? If not, says so for property, whose value stays.
bool InEnumeration(const char* property, int value, int last) {
  if (value >= 0 && value <= last) return true;
  qWarning("GlossButton: %s: %d is none of 0 to %d; the property stays as it was", property, value, last);
  return false;
}

}  // namespace

GlossButtonShape::GlossButtonShape(GlossButtonItem& item) : m_Item(item) {}

bool GlossButtonShape::contains(const QPointF& point) const { return m_Item.contains(point); }

GlossButtonItem::GlossButtonItem(QQuickItem* parent)
    : QQuickItem(parent), m_Site(static_cast<host::QtSurface&>(*this)) {
  setFlag(ItemHasContents);
  setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
  setAcceptHoverEvents(true);
  setActiveFocusOnTab(true);
  m_Site.Open();
  m_Site.SetEventListener(&m_Signals);
  m_Site.ReadProperties(gloss::PropertyBag{});
  setContainmentMask(&m_Shape);
  setImplicitSize(100, 30);  // a new button on a form
  // Made by QML, the item is complete once its properties are set (componentComplete); made
  // from C++, now.
  m_Constructed = true;
  if (isComponentComplete()) m_Site.Resized();
}

GlossButtonItem::~GlossButtonItem() {
  m_Site.SetEventListener(nullptr);
  m_Site.Close();
}

// ---- Properties

GlossButtonItem::Values GlossButtonItem::Read() const {
  using C = host::QtSite::Color;
  return {caption(),
          style(),
          colorScheme(),
          pictureAlignment(),
          borderBrightness(),
          isChecked(),
          displayHand(),
          {m_Site.GetColor(C::ButtonUp), m_Site.GetColor(C::ButtonHover), m_Site.GetColor(C::ButtonDown),
           m_Site.GetColor(C::Bright), m_Site.GetColor(C::Fore)},
          captionFont(),
          m_Picture};
}

template <class F>
void GlossButtonItem::Change(F&& change) {
  const Values before = Read();
  change();
  const Values after = Read();
  // A slot may delete the item: nothing is emitted after that.
  const QPointer<GlossButtonItem> self(this);
  const auto notify = [&](bool changed, void (GlossButtonItem::*signal)()) {
    if (changed && self) emit(this->*signal)();
  };
  notify(before.caption != after.caption, &GlossButtonItem::captionChanged);
  notify(before.style != after.style, &GlossButtonItem::styleChanged);
  notify(before.scheme != after.scheme, &GlossButtonItem::colorSchemeChanged);
  notify(before.alignment != after.alignment, &GlossButtonItem::pictureAlignmentChanged);
  notify(before.border != after.border, &GlossButtonItem::borderBrightnessChanged);
  notify(before.checked != after.checked, &GlossButtonItem::checkedChanged);
  notify(before.hand != after.hand, &GlossButtonItem::displayHandChanged);
  notify(before.colors[0] != after.colors[0], &GlossButtonItem::colorButtonUpChanged);
  notify(before.colors[1] != after.colors[1], &GlossButtonItem::colorButtonHoverChanged);
  notify(before.colors[2] != after.colors[2], &GlossButtonItem::colorButtonDownChanged);
  notify(before.colors[3] != after.colors[3], &GlossButtonItem::colorBrightChanged);
  notify(before.colors[4] != after.colors[4], &GlossButtonItem::foreColorChanged);
  notify(before.font != after.font, &GlossButtonItem::captionFontChanged);
  notify(before.picture != after.picture, &GlossButtonItem::pictureChanged);
}

void GlossButtonItem::setCaption(const QString& caption) {
  Change([&] { m_Site.SetCaption(caption); });
}

// What QML may set that the button cannot take is refused here, the old value kept.
void GlossButtonItem::setStyle(int style) {
  if (!InEnumeration("style", style, CrescentStyle)) return;
  Change([&] { m_Site.SetStyle(style); });
}

void GlossButtonItem::setColorScheme(int scheme) {
  if (!InEnumeration("colorScheme", scheme, YellowScheme)) return;
  Change([&] { m_Site.SetColorScheme(scheme); });
}

void GlossButtonItem::setChecked(bool checked) {
  Change([&] { m_Site.SetChecked(checked); });
}

void GlossButtonItem::setDisplayHand(bool on) {
  Change([&] { m_Site.SetDisplayHand(on); });
}

void GlossButtonItem::setPictureAlignment(int alignment) {
  if (!InEnumeration("pictureAlignment", alignment, PictureRight)) return;
  Change([&] { m_Site.SetPictureAlignment(alignment); });
}

void GlossButtonItem::setBorderBrightness(int brightness) {
  Change([&] { m_Site.SetBorderBrightness(brightness); });
}

void GlossButtonItem::SetColor(host::QtSite::Color which, const QColor& c) {
  Change([&] { m_Site.SetColor(which, c); });
}

void GlossButtonItem::setCaptionFont(const QFont& font) {
  // A family the system has, or one it answers for itself (the application's font, read back
  // from this property, may be an alias such as "Sans Serif").
  const QString family = font.family();
  const bool known = family.isEmpty() || QFontDatabase::hasFamily(family) || family == captionFont().family() ||
                     family == QGuiApplication::font().family();
  if (!known) {
    qWarning("GlossButton: captionFont: the system has no font \"%s\"; the font stays as it was",
             qUtf8Printable(family));
    return;
  }
  Change([&] { m_Site.SetCaptionFont(font); });
}

void GlossButtonItem::setPicture(const QUrl& url) {
  if (url == m_Picture) return;
  QImage image;
  if (!url.isEmpty()) {
    QString path;
    if (url.isLocalFile())
      path = url.toLocalFile();
    else if (url.scheme() == QLatin1String("qrc"))
      path = QLatin1Char(':') + url.path();
    if (path.isEmpty()) {
      qWarning("GlossButton: picture: %s is neither a file nor a resource; the picture stays as it was",
               qUtf8Printable(url.toString()));
      return;
    }
    QImageReader reader(path);
    image = reader.read();
    if (image.isNull()) {
      qWarning("GlossButton: picture: cannot read %s: %s; the picture stays as it was", qUtf8Printable(path),
               qUtf8Printable(reader.errorString()));
      return;
    }
  }
  Change([&] {
    m_Site.SetPicture(image);
    m_Picture = url;
  });
}

bool GlossButtonItem::contains(const QPointF& point) const { return m_Site.InsideShape(point); }

// ---- The surface

QSize GlossButtonItem::SurfaceSize() const {
  // Until QML has set every property the control draws nothing: each property set from QML would
  // otherwise draw a face no one sees.
  if (!SurfaceSized()) return {0, 0};
  return {qRound(width()), qRound(height())};
}

double GlossButtonItem::SurfaceRatio() const {
  return window() ? window()->effectiveDevicePixelRatio() : qGuiApp->devicePixelRatio();
}

QFont GlossButtonItem::SurfaceFont() const { return QGuiApplication::font(); }

QColor GlossButtonItem::SurfaceBackColor() const {
  return window() ? window()->color() : QGuiApplication::palette().color(QPalette::Window);
}

void GlossButtonItem::Repaint() {
  m_FaceChanged = true;
  update();
}

void GlossButtonItem::ShapeChanged(const QRegion*) {
  // contains() asks the control's region itself; the face is cut to it when it is drawn.
  m_FaceChanged = true;
  update();
}

void GlossButtonItem::SetPointerShape(Qt::CursorShape shape) {
  if (shape == Qt::BitmapCursor)
    unsetCursor();
  else
    setCursor(shape);
}

void GlossButtonItem::ControlPropertyChanged(const QString& name) {
  if (name == QLatin1String("Caption") || name == QLatin1String("Checked")) UpdateAccessible();
  emit controlPropertyChanged(name);
}

void GlossButtonItem::PressedLookChanged() {
  UpdateAccessible();
  emit pressedChanged();
}

void GlossButtonItem::UpdateAccessible() {
  if (!m_Accessible) return;
  m_Accessible->setProperty("name", caption());
  m_Accessible->setProperty("checkable", isChecked());
  m_Accessible->setProperty("checked", isChecked());
  m_Accessible->setProperty("pressed", isPressed());
}

bool GlossButtonItem::Drawable(double w, double h) const {
  const double ratio = SurfaceRatio();
  return w >= 0 && h >= 0 && w * ratio <= kMaxSide && h * ratio <= kMaxSide;
}

// ---- Qt Quick's events

void GlossButtonItem::componentComplete() {
  QQuickItem::componentComplete();
  // Qt Quick's accessibility is its attached Accessible object: made here through the QML
  // context the item was created in, it makes the item a push button to a screen reader.
  if (QQmlContext* context = qmlContext(this)) {
    QQmlProperty role(this, QStringLiteral("Accessible.role"), context);
    if (role.isValid() && role.write(static_cast<int>(QAccessible::Button))) {
      for (QObject* child : children())
        if (child->inherits("QQuickAccessibleAttached")) m_Accessible = child;
      if (m_Accessible) {
        connect(m_Accessible, SIGNAL(pressAction()), this, SLOT(click()));
        m_Accessible->setProperty("focusable", true);
        UpdateAccessible();
      }
    }
  }
  if (!Drawable(width(), height())) return;
  // Shown() tells the control its size first.
  if (isVisible())
    m_Site.Shown();
  else
    m_Site.Resized();
}

void GlossButtonItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickItem::geometryChange(newGeometry, oldGeometry);
  if (newGeometry.size() == oldGeometry.size() || !SurfaceSized()) return;
  if (!Drawable(newGeometry.width(), newGeometry.height())) {
    qWarning(
        "GlossButton: width, height: %g x %g is no size a face can be drawn at (0 to %g device pixels a "
        "side); the face stays as it was",
        newGeometry.width(), newGeometry.height(), kMaxSide);
    return;
  }
  m_Site.Resized();
}

void GlossButtonItem::itemChange(ItemChange change, const ItemChangeData& value) {
  QQuickItem::itemChange(change, value);
  switch (change) {
    case ItemSceneChange:
      // The old window's texture went with its node.
      m_FaceChanged = true;
      if (value.window) m_Site.RatioMayHaveChanged();
      break;
    case ItemDevicePixelRatioHasChanged: m_Site.RatioMayHaveChanged(); break;
    case ItemVisibleHasChanged:
      if (value.boolValue && SurfaceSized()) m_Site.Shown();
      break;
    default: break;
  }
}

QSGNode* GlossButtonItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
  // The GUI thread is blocked while this runs: the site's face may be read.
  auto* node = static_cast<QSGImageNode*>(old);
  const QImage face = m_Site.Face(/*cutToShape=*/true);
  if (face.isNull() || !window()) {
    delete node;
    return nullptr;
  }
  if (!node) {
    node = window()->createImageNode();
    node->setFiltering(QSGTexture::Nearest);
    node->setOwnsTexture(true);
    m_FaceChanged = true;
  }
  if (m_FaceChanged) {
    // The uncut face lies over the control's own buffer, which the next face overwrites; the
    // texture takes a copy of its own.
    const QImage pixels = face.format() == QImage::Format_RGB32 ? face.copy() : face;
    node->setTexture(window()->createTextureFromImage(pixels));
    m_FaceChanged = false;
  }
  node->setRect(QRectF(QPointF(0, 0), face.deviceIndependentSize()));
  return node;
}

void GlossButtonItem::hoverEnterEvent(QHoverEvent* event) {
  m_Site.PointerEntered();
  m_Site.MouseMove(event);
}

void GlossButtonItem::hoverMoveEvent(QHoverEvent* event) { m_Site.MouseMove(event); }

void GlossButtonItem::hoverLeaveEvent(QHoverEvent*) { m_Site.PointerLeft(); }

void GlossButtonItem::mousePressEvent(QMouseEvent* event) {
  // The focus first, as a widget takes it on a press; only presses on the shape reach here.
  if (activeFocusOnTab() && !hasActiveFocus()) {
    const std::weak_ptr<const void> alive = m_Site.Alive();
    forceActiveFocus(Qt::MouseFocusReason);
    if (alive.expired()) return;
  }
  m_Site.MousePress(event);
}

void GlossButtonItem::mouseMoveEvent(QMouseEvent* event) { m_Site.MouseMove(event); }
void GlossButtonItem::mouseReleaseEvent(QMouseEvent* event) { m_Site.MouseRelease(event); }
void GlossButtonItem::mouseDoubleClickEvent(QMouseEvent* event) { m_Site.MouseDoubleClick(event); }

void GlossButtonItem::keyPressEvent(QKeyEvent* event) {
  if (!m_Site.KeyPress(event)) event->ignore();
}

void GlossButtonItem::keyReleaseEvent(QKeyEvent* event) {
  if (!m_Site.KeyRelease(event)) event->ignore();
}

void GlossButtonItem::focusInEvent(QFocusEvent* event) {
  QQuickItem::focusInEvent(event);
  m_Site.FocusIn();
}

void GlossButtonItem::focusOutEvent(QFocusEvent* event) {
  QQuickItem::focusOutEvent(event);
  m_Site.FocusOut();
}
