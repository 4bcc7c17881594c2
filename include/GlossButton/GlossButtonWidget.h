#pragma once
/// \file
/// GlossButtonWidget, the GlossButton control as a Qt widget.
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

/// The GlossButton control as an ordinary Qt widget.
///
/// Place it in any layout, set its properties (from code, Qt Designer or a style sheet:
/// `qproperty-colorButtonUp: #2067d0`) and connect to its signals:
/// \code
/// auto* play = new GlossButtonWidget(parent);
/// play->setCaption("Play");
/// play->setStyle(GlossButtonWidget::GlossStyle3);
/// QObject::connect(play, &GlossButtonWidget::clicked, [] { /* ... */ });
/// \endcode
///
/// A new widget starts with the values of a stored button without saved values (blue colours,
/// caption "GlossButton", the parent's font). A slot connected to any signal may delete the widget.
/// The keyboard (Space, Return, Enter) emits activated(), not clicked().
class GLOSSBUTTON_WIDGET_EXPORT GlossButtonWidget : public QWidget {
  Q_OBJECT
  /// \property GlossButtonWidget::caption
  /// The text on the face. \sa captionFont, foreColor
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  /// \property GlossButtonWidget::style
  /// The look, one of #Style.
  /// \property GlossButtonWidget::colorScheme
  /// The colour set last applied, one of #ColorScheme.
  /// \property GlossButtonWidget::checked
  /// Whether the button stays in its checked (pressed) look.
  /// \property GlossButtonWidget::displayHand
  /// Whether the pointer becomes a pointing hand over the button.
  /// \property GlossButtonWidget::pictureAlignment
  /// Where the picture sits beside the caption, one of #PictureAlignment.
  /// \property GlossButtonWidget::borderBrightness
  /// The edge of the glossy styles, -100 (darker) to 100 (lighter).
  /// \property GlossButtonWidget::colorButtonUp
  /// The face at rest.
  /// \property GlossButtonWidget::colorButtonHover
  /// The face under the pointer.
  /// \property GlossButtonWidget::colorButtonDown
  /// The face while pressed or checked.
  /// \property GlossButtonWidget::colorBright
  /// The gloss of the glossy styles.
  /// \property GlossButtonWidget::foreColor
  /// The caption's colour.
  /// \property GlossButtonWidget::captionFont
  /// The caption's font.
  /// \property GlossButtonWidget::picture
  /// The picture as a pixmap, for Qt Designer and .ui files. \sa setPicture()
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
  Q_PROPERTY(QPixmap picture READ picturePixmap WRITE setPicturePixmap)

 public:
  /// The seven looks: 0 and 1 flat boxes in fixed colours, 2 to 6 glossy rounded faces in the
  /// button's colours.
  enum Style : int {
    ClassicStyle = 0,  ///< Light face, dark blue outline, coloured focus and hover frames.
    FlatStyle = 1,     ///< No body until hovered, pressed or checked.
    GlossStyle2 = 2,   ///< The first glossy rounded face.
    GlossStyle3 = 3,   ///< The second glossy rounded face.
    GlossStyle4 = 4,   ///< The third glossy rounded face.
    GlossStyle5 = 5,   ///< The fourth glossy rounded face.
    CrescentStyle = 6  ///< Shaded by row, a crescent of gloss under the top edge.
  };
  Q_ENUM(Style)
  /// Colour sets applied at once; OwnColors once any colour was set on its own.
  enum ColorScheme : int {
    OwnColors = 0,       ///< The colours as set one by one.
    BlueScheme = 1,      ///< Blue, the default.
    SoftBlueScheme = 2,  ///< Pale blue.
    PureBlueScheme = 3,  ///< Saturated blue.
    RedScheme = 4,       ///< Red.
    GreenScheme = 5,     ///< Green.
    YellowScheme = 6     ///< Yellow.
  };
  Q_ENUM(ColorScheme)
  /// Where the picture sits relative to the caption.
  enum PictureAlignment : int {
    PictureAbove = 0,  ///< Above the caption.
    PictureBelow = 1,  ///< Below the caption.
    PictureLeft = 2,   ///< Left of the caption.
    PictureRight = 3   ///< Right of the caption.
  };
  Q_ENUM(PictureAlignment)

  /// A button with the default values, a child of \a parent.
  explicit GlossButtonWidget(QWidget* parent = nullptr);
  ~GlossButtonWidget() override;  ///< Destroys the control with the widget.

  /// @{
  /// The #caption property.
  QString caption() const;
  void setCaption(const QString& caption);
  /// @}
  /// @{
  /// The #style property. A value outside the enumeration, set from code, is kept as the control
  /// keeps it (a style outside 0 to 6 draws no face) and reported with a warning.
  Style style() const;
  void setStyle(Style style);
  void setStyle(int style);
  /// @}
  /// @{
  /// The #colorScheme property: setting a scheme sets the colours; a number outside the
  /// enumeration is kept and warned about.
  ColorScheme colorScheme() const;
  void setColorScheme(ColorScheme scheme);
  void setColorScheme(int scheme);
  /// @}
  /// @{
  /// The #checked property.
  bool isChecked() const;
  void setChecked(bool checked);
  /// @}
  /// @{
  /// The #displayHand property.
  bool displayHand() const;
  void setDisplayHand(bool on);
  /// @}
  /// @{
  /// The #pictureAlignment property; a number outside the enumeration is kept and warned about.
  PictureAlignment pictureAlignment() const;
  void setPictureAlignment(PictureAlignment alignment);
  void setPictureAlignment(int alignment);
  /// @}
  /// @{
  /// The #borderBrightness property: -100 to 100; the edge of styles 2 to 5 is lighter above 0,
  /// darker below.
  int borderBrightness() const;
  void setBorderBrightness(int brightness);
  /// @}

  /// @{
  /// The #colorButtonUp property. For all colours: system colours read back as what they stand
  /// for now; an invalid QColor is refused with a warning and the colour stays as it was.
  QColor colorButtonUp() const;
  void setColorButtonUp(const QColor& c);
  /// @}
  /// @{
  /// The #colorButtonHover property.
  QColor colorButtonHover() const;
  void setColorButtonHover(const QColor& c);
  /// @}
  /// @{
  /// The #colorButtonDown property.
  QColor colorButtonDown() const;
  void setColorButtonDown(const QColor& c);
  /// @}
  /// @{
  /// The #colorBright property.
  QColor colorBright() const;
  void setColorBright(const QColor& c);
  /// @}
  /// @{
  /// The #foreColor property.
  QColor foreColor() const;
  void setForeColor(const QColor& c);
  /// @}

  /// @{
  /// The #captionFont property.
  QFont captionFont() const;
  void setCaptionFont(const QFont& font);
  /// @}

  /// @{
  /// The picture, shown at its natural size (an image with a device pixel ratio: its
  /// device-independent size, so art for the screen's ratio is drawn pixel for pixel); fully
  /// transparent pixels let the face show through. A null image removes it.
  QImage picture() const;
  void setPicture(const QImage& image);
  /// @}
  /// @{
  /// The #picture property: the picture as a pixmap.
  QPixmap picturePixmap() const;
  void setPicturePixmap(const QPixmap& pixmap);
  /// @}

  /// 100 by 30, the size of a new button on a form.
  QSize sizeHint() const override;

 public Q_SLOTS:
  /// A left press and release at a visible pixel, as the mouse gives them: the same signals and
  /// looks as a click of the mouse (none when the button has no visible pixel).
  void click();

 Q_SIGNALS:
  /// A left press and release on the button, by the mouse or click().
  void clicked();
  /// A double click of the left button.
  void doubleClicked();
  /// The pointer came over the button's visible pixels.
  void mouseEnter();
  /// The pointer left the button.
  void mouseLeave();
  /// The pointer moved over the button; \a buttons are those held, \a position is in the
  /// widget's pixels, whole numbers.
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  /// A mouse button (\a buttons) was released; \a position is in the widget's pixels.
  void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  /// A mouse button (\a buttons) was pressed; \a position is in the widget's pixels.
  void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPointF& position);
  /// The control's status event (\a text); declared by the control, which never raises it.
  void status(const QString& text);
  /// Space, Return or Enter pressed and released while the widget has the focus, as Qt's buttons
  /// take the keyboard. The control raises no clicked() then.
  void activated();
  /// The control changed its property \a name (a form designer marks the form changed).
  void controlPropertyChanged(const QString& name);

 protected:
  /// For subclasses that bring their own private part \a dd.
  GlossButtonWidget(GlossButtonWidgetPrivate& dd, QWidget* parent);

  /// @{
  /// Qt's events, handed to the control as its window messages.
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
  /// @}

 private:
  friend class GlossButtonWidgetPrivate;
  std::unique_ptr<GlossButtonWidgetPrivate> d_ptr;
};

/// The widget's name up to version 0.2.
namespace host {
/// Deprecated: the widget's name up to version 0.2.
using GlossButtonWidget [[deprecated("use ::GlossButtonWidget")]] = ::GlossButtonWidget;
}  // namespace host
