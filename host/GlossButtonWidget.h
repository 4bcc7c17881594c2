#pragma once
// GlossButtonWidget: the button as an ordinary Qt widget. Place it in any layout, set its
// properties, connect to its signals; window procedures and property bags stay out of sight.
//
// A new widget starts with the values a stored button without saved values reads (blue
// colours, caption "GlossButton", the parent's font), unless it is given a property bag.
// A slot connected to any signal may delete the widget.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "glossbutton/GlossButtonEvents.h"
#include "glossbutton/PropertyBag.h"
#include "host/ControlSite.h"

namespace host {

class GlossButtonWidget : public ControlSite, private gloss::GlossButtonEvents {
  Q_OBJECT
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(int style READ style WRITE setStyle)
  Q_PROPERTY(int colorScheme READ colorScheme WRITE setColorScheme)
  Q_PROPERTY(bool checked READ isChecked WRITE setChecked)
  Q_PROPERTY(bool displayHand READ displayHand WRITE setDisplayHand)
  Q_PROPERTY(int pictureAlignment READ pictureAlignment WRITE setPictureAlignment)
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
  explicit GlossButtonWidget(QWidget* parent = nullptr);
  explicit GlossButtonWidget(const gloss::PropertyBag& bag, QWidget* parent = nullptr);
  // userMode false: placed in a form designer. The control then starts from its design-time
  // looks and installs no hook.
  GlossButtonWidget(const gloss::PropertyBag& bag, bool userMode, QWidget* parent);
  ~GlossButtonWidget() override;

  QString caption() const;
  void setCaption(const QString& caption);
  int style() const;
  void setStyle(int style);
  int colorScheme() const;
  void setColorScheme(int scheme);
  bool isChecked() const;
  void setChecked(bool checked);
  bool displayHand() const;
  void setDisplayHand(bool on);
  int pictureAlignment() const;
  void setPictureAlignment(int alignment);
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

  // The stored form, for saving (WriteProperties).
  gloss::PropertyBag properties() const;

 signals:
  void clicked();
  void doubleClicked();
  void mouseEnter();
  void mouseLeave();
  // button: 1 left, 2 right, 4 middle; shift: 1 shift, 2 ctrl, 4 alt; x, y in pixels.
  void mouseMove(int button, int shift, float x, float y);
  void mouseUp(int button, int shift, float x, float y);
  void mouseDown(int button, int shift, float x, float y);
  void status(const QString& text);
  // Not one of the control's events: Space, Return or Enter pressed and released while the
  // widget has the focus, as Qt's buttons take the keyboard. The control raises no clicked() then.
  void activated();

 private:
  // GlossButtonEvents: each becomes a signal; the widget is not touched after the emit.
  void OnStatus(const std::string& sStatus) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void OnMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
};

}  // namespace host
