#pragma once
// GlossButtonItem: the GlossButton control as a Qt Quick item, `GlossButton` in QML
// (`import GlossButton`). The same properties, enums and signals as GlossButtonWidget, over the
// same Qt layer (host::QtSite); what is its own is the scene graph node that shows the face (the
// published image as a texture at device size), the round shape as its containment mask, and
// Qt Quick's events and accessibility.
//
// Bad values from QML (a style, scheme or alignment outside its enumeration, a size the face
// cannot be drawn at, a picture that cannot be read, a font family the system does not have) are
// refused with a warning naming the property; the old value stays.
#include <memory>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QQuickItem>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include "host/qt/QtSite.h"

class QSGNode;
class GlossButtonItem;

// The item's containment mask: its visible pixels. A MouseArea or HoverHandler laid over the
// button can take it as its own.
class GlossButtonShape : public QObject {
  Q_OBJECT
  QML_ANONYMOUS

 public:
  explicit GlossButtonShape(GlossButtonItem& item);
  Q_INVOKABLE bool contains(const QPointF& point) const;

 private:
  GlossButtonItem& m_Item;
};

class GlossButtonItem : public QQuickItem, private host::QtSurface {
  Q_OBJECT
  QML_NAMED_ELEMENT(GlossButton)
  Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
  Q_PROPERTY(Style style READ style WRITE setStyle NOTIFY styleChanged)
  Q_PROPERTY(ColorScheme colorScheme READ colorScheme WRITE setColorScheme NOTIFY colorSchemeChanged)
  Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkedChanged)
  Q_PROPERTY(bool displayHand READ displayHand WRITE setDisplayHand NOTIFY displayHandChanged)
  Q_PROPERTY(
      PictureAlignment pictureAlignment READ pictureAlignment WRITE setPictureAlignment NOTIFY pictureAlignmentChanged)
  Q_PROPERTY(int borderBrightness READ borderBrightness WRITE setBorderBrightness NOTIFY borderBrightnessChanged)
  Q_PROPERTY(QColor colorButtonUp READ colorButtonUp WRITE setColorButtonUp NOTIFY colorButtonUpChanged)
  Q_PROPERTY(QColor colorButtonHover READ colorButtonHover WRITE setColorButtonHover NOTIFY colorButtonHoverChanged)
  Q_PROPERTY(QColor colorButtonDown READ colorButtonDown WRITE setColorButtonDown NOTIFY colorButtonDownChanged)
  Q_PROPERTY(QColor colorBright READ colorBright WRITE setColorBright NOTIFY colorBrightChanged)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont NOTIFY captionFontChanged)
  // The picture as QML names images: a file or resource URL, read at its natural size.
  Q_PROPERTY(QUrl picture READ picture WRITE setPicture NOTIFY pictureChanged)
  // Whether the left button is down on the item (for bindings; the look follows by itself).
  Q_PROPERTY(bool pressed READ isPressed NOTIFY pressedChanged)

 public:
  enum Style : int {
    ClassicStyle = 0,
    FlatStyle = 1,
    GlossStyle2 = 2,
    GlossStyle3 = 3,
    GlossStyle4 = 4,
    GlossStyle5 = 5,
    CrescentStyle = 6
  };
  Q_ENUM(Style)
  enum ColorScheme : int {
    OwnColors = 0,
    BlueScheme = 1,
    SoftBlueScheme = 2,
    PureBlueScheme = 3,
    RedScheme = 4,
    GreenScheme = 5,
    YellowScheme = 6
  };
  Q_ENUM(ColorScheme)
  enum PictureAlignment : int { PictureAbove = 0, PictureBelow = 1, PictureLeft = 2, PictureRight = 3 };
  Q_ENUM(PictureAlignment)

  explicit GlossButtonItem(QQuickItem* parent = nullptr);
  ~GlossButtonItem() override;

  QString caption() const { return m_Site.Caption(); }
  void setCaption(const QString& caption);
  Style style() const { return static_cast<Style>(m_Site.Button().Style()); }
  void setStyle(int style);
  ColorScheme colorScheme() const { return static_cast<ColorScheme>(m_Site.Button().ColorScheme()); }
  void setColorScheme(int scheme);
  bool isChecked() const { return m_Site.Button().Checked(); }
  void setChecked(bool checked);
  bool displayHand() const { return m_Site.Button().DisplayHand(); }
  void setDisplayHand(bool on);
  PictureAlignment pictureAlignment() const {
    return static_cast<PictureAlignment>(m_Site.Button().PictureAlignment());
  }
  void setPictureAlignment(int alignment);
  int borderBrightness() const { return m_Site.Button().BorderBrightness(); }
  void setBorderBrightness(int brightness);
  QColor colorButtonUp() const { return m_Site.GetColor(host::QtSite::Color::ButtonUp); }
  void setColorButtonUp(const QColor& c) { SetColor(host::QtSite::Color::ButtonUp, c); }
  QColor colorButtonHover() const { return m_Site.GetColor(host::QtSite::Color::ButtonHover); }
  void setColorButtonHover(const QColor& c) { SetColor(host::QtSite::Color::ButtonHover, c); }
  QColor colorButtonDown() const { return m_Site.GetColor(host::QtSite::Color::ButtonDown); }
  void setColorButtonDown(const QColor& c) { SetColor(host::QtSite::Color::ButtonDown, c); }
  QColor colorBright() const { return m_Site.GetColor(host::QtSite::Color::Bright); }
  void setColorBright(const QColor& c) { SetColor(host::QtSite::Color::Bright, c); }
  QColor foreColor() const { return m_Site.GetColor(host::QtSite::Color::Fore); }
  void setForeColor(const QColor& c) { SetColor(host::QtSite::Color::Fore, c); }
  QFont captionFont() const { return m_Site.CaptionFont(); }
  void setCaptionFont(const QFont& font);
  QUrl picture() const { return m_Picture; }
  void setPicture(const QUrl& url);
  bool isPressed() const { return m_Site.Pressed(); }

  // Is the logical point inside a visible pixel? The item's containment mask asks the same.
  bool contains(const QPointF& point) const override;

 public Q_SLOTS:
  // A left press and release at a visible pixel, as the mouse gives them.
  void click() { m_Site.PressAndRelease(); }

 Q_SIGNALS:
  void clicked();
  void doubleClicked();
  void mouseEnter();
  void mouseLeave();
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void status(const QString& text);
  // Space, Return or Enter pressed and released while the item has the active focus.
  void activated();
  // The control changed its property name (as the control names it, "Caption"...).
  void controlPropertyChanged(const QString& name);
  void pressedChanged();
  // Each property's own notification, for bindings.
  void captionChanged();
  void styleChanged();
  void colorSchemeChanged();
  void checkedChanged();
  void displayHandChanged();
  void pictureAlignmentChanged();
  void borderBrightnessChanged();
  void colorButtonUpChanged();
  void colorButtonHoverChanged();
  void colorButtonDownChanged();
  void colorBrightChanged();
  void foreColorChanged();
  void captionFontChanged();
  void pictureChanged();

 protected:
  void componentComplete() override;
  void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
  void itemChange(ItemChange change, const ItemChangeData& value) override;
  QSGNode* updatePaintNode(QSGNode* old, UpdatePaintNodeData*) override;
  void hoverEnterEvent(QHoverEvent* event) override;
  void hoverMoveEvent(QHoverEvent* event) override;
  void hoverLeaveEvent(QHoverEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // ---- QtSurface
  QObject& Object() override { return *this; }
  QSize SurfaceSize() const override;
  bool SurfaceSized() const override { return m_Constructed && isComponentComplete(); }
  double SurfaceRatio() const override;
  QFont SurfaceFont() const override;
  QColor SurfaceBackColor() const override;
  void Repaint() override;
  void ShapeChanged(const QRegion* mask) override;
  void SetPointerShape(Qt::CursorShape shape) override;
  void ControlPropertyChanged(const QString& name) override;
  void PressedLookChanged() override;
  void Activated() override { emit activated(); }

  // Every property as it reads now; Change() runs a change and emits the notification of each
  // property it changed.
  struct Values {
    QString caption;
    int style, scheme, alignment, border;
    bool checked, hand;
    QColor colors[5];
    QFont font;
    QUrl picture;
  };
  Values Read() const;
  template <class F>
  void Change(F&& change);
  void SetColor(host::QtSite::Color which, const QColor& c);

  // Qt Quick's accessibility: a push button named by the caption, pressed by its action.
  void UpdateAccessible();
  // Is a device size of the item's logical size w x h one the face can be drawn at?
  bool Drawable(double w, double h) const;

  host::QtSite m_Site;
  host::SignalRelay<GlossButtonItem> m_Signals{*this};
  GlossButtonShape m_Shape{*this};
  QUrl m_Picture;
  bool m_FaceChanged = true;
  bool m_Constructed = false;
  QObject* m_Accessible = nullptr;  // Qt Quick's attached Accessible object, once made
};
