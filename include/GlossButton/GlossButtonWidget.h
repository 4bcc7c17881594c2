#pragma once
// GlossButtonWidget: the GlossButton control as an ordinary Qt widget. Place it in any layout,
// set its properties (from code, Qt Designer or a style sheet: qproperty-colorButtonUp: #2067d0),
// connect to its signals.
//
// A new widget starts with the values a stored button without saved values reads (blue
// colours, caption "GlossButton", the parent's font). A slot connected to any signal may delete
// the widget.
#include <memory>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <GlossButton/GlossButtonVersion.h>
#include <GlossButton/glossbutton_widget_export.h>

class GlossButtonWidgetPrivate;

class GLOSSBUTTON_WIDGET_EXPORT GlossButtonWidget : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(Style style READ style WRITE setStyle)
  Q_PROPERTY(ColorScheme colorScheme READ colorScheme WRITE setColorScheme)
  Q_PROPERTY(bool checked READ isChecked WRITE setChecked)
  Q_PROPERTY(bool displayHand READ displayHand WRITE setDisplayHand)
  Q_PROPERTY(PictureAlignment pictureAlignment READ pictureAlignment WRITE setPictureAlignment)
  Q_PROPERTY(int borderBrightness READ borderBrightness WRITE setBorderBrightness)
  Q_PROPERTY(QColor colorButtonUp READ colorButtonUp WRITE setColorButtonUp)
  Q_PROPERTY(QColor colorButtonHover READ colorButtonHover WRITE setColorButtonHover)
  Q_PROPERTY(QColor colorButtonDown READ colorButtonDown WRITE setColorButtonDown)
  Q_PROPERTY(QColor colorBright READ colorBright WRITE setColorBright)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)
  // A pixmap for Qt Designer and .ui files; picture()/setPicture() take the image itself.
  Q_PROPERTY(QPixmap picture READ picturePixmap WRITE setPicturePixmap)

 public:
  // The seven looks: 0 and 1 flat boxes in fixed colours, 2 to 6 glossy rounded faces in the
  // button's colours.
  enum Style : int {
    ClassicStyle = 0,  // light face, dark blue outline, coloured focus and hover frames
    FlatStyle = 1,     // no body until hovered, pressed or checked
    GlossStyle2 = 2,
    GlossStyle3 = 3,
    GlossStyle4 = 4,
    GlossStyle5 = 5,
    CrescentStyle = 6  // shaded by row, a crescent of gloss under the top edge
  };
  Q_ENUM(Style)
  // Colour sets applied at once; OwnColors once any colour was set on its own.
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

  explicit GlossButtonWidget(QWidget* parent = nullptr);
  ~GlossButtonWidget() override;

  QString caption() const;
  void setCaption(const QString& caption);
  // A value outside the enumeration, set from code, is kept as the control keeps it (a style
  // outside 0 to 6 draws no face) and reported with a warning.
  Style style() const;
  void setStyle(Style style);
  void setStyle(int style);
  ColorScheme colorScheme() const;
  void setColorScheme(ColorScheme scheme);
  void setColorScheme(int scheme);
  bool isChecked() const;
  void setChecked(bool checked);
  bool displayHand() const;
  void setDisplayHand(bool on);
  PictureAlignment pictureAlignment() const;
  void setPictureAlignment(PictureAlignment alignment);
  void setPictureAlignment(int alignment);
  // -100 to 100; the edge of styles 2 to 5 is lighter above 0, darker below.
  int borderBrightness() const;
  void setBorderBrightness(int brightness);

  // Colours: system colours read back as what they stand for now. An invalid QColor is refused
  // with a warning and the colour stays as it was.
  QColor colorButtonUp() const;
  void setColorButtonUp(const QColor& c);
  QColor colorButtonHover() const;
  void setColorButtonHover(const QColor& c);
  QColor colorButtonDown() const;
  void setColorButtonDown(const QColor& c);
  QColor colorBright() const;
  void setColorBright(const QColor& c);
  QColor foreColor() const;
  void setForeColor(const QColor& c);

  QFont captionFont() const;
  void setCaptionFont(const QFont& font);

  // Shown at its natural size (an image with a device pixel ratio: its device-independent size,
  // so art for the screen's ratio is drawn pixel for pixel); fully transparent pixels let the
  // face show through.
  QImage picture() const;
  void setPicture(const QImage& image);
  QPixmap picturePixmap() const;
  void setPicturePixmap(const QPixmap& pixmap);

  QSize sizeHint() const override;

 public Q_SLOTS:
  // A left press and release at a visible pixel, as the mouse gives them: the same signals and
  // looks as a click of the mouse (none when the button has no visible pixel).
  void click();

 Q_SIGNALS:
  void clicked();
  void doubleClicked();
  void mouseEnter();
  void mouseLeave();
  // buttons: the button pressed or released (mouseDown, mouseUp), the buttons held (mouseMove);
  // position in the widget's pixels, whole numbers.
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  void status(const QString& text);
  // Not one of the control's events: Space, Return or Enter pressed and released while the
  // widget has the focus, as Qt's buttons take the keyboard. The control raises no clicked() then.
  void activated();
  // The control gave its property-changed notification (a form designer marks the form changed).
  void controlPropertyChanged(const QString& name);

 protected:
  // For subclasses that bring their own private part.
  GlossButtonWidget(GlossButtonWidgetPrivate& dd, QWidget* parent);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  friend class GlossButtonWidgetPrivate;
  std::unique_ptr<GlossButtonWidgetPrivate> d_ptr;
};

namespace host {
// The widget's name up to version 0.2.
using GlossButtonWidget [[deprecated("use ::GlossButtonWidget")]] = ::GlossButtonWidget;
}  // namespace host
