#pragma once
// A label drawn on the form: caption, foreground colour kept as a colour value (the handlers read
// it back), transparent or opaque background, a custom cursor, and a Click on a left press and
// release inside it. Presses over it never reach the form, so they do not start a drag.
//
// An actionable label is also a push button for the keyboard and assistive technology: it takes
// the focus by Tab, shows it with a rounded outline around its text, clicks on Space, Return or
// Enter (as Qt's buttons take them) and offers a press action. A checkable one reads as a toggle.
#include <QLabel>
#include <cstdint>

#include "host/qt/KeyActivation.h"

namespace app {

class FormLabel : public QLabel {
  Q_OBJECT
 public:
  explicit FormLabel(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& newValue) { setText(newValue); }

  // OLE colour value; system colours are shown as the colour they stand for now.
  std::int32_t ForeColor() const { return m_ForeColor; }
  void SetForeColor(std::int32_t newValue);

  void SetTransparent(bool transparent);

  void SetActionable(bool actionable);
  bool Actionable() const { return m_Actionable; }
  // What a toggle's state is (music on or off), for assistive technology.
  void SetCheckable(bool checkable) { m_Checkable = checkable; }
  bool Checkable() const { return m_Checkable; }
  void SetChecked(bool checked);
  bool Checked() const { return m_Checked; }

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::int32_t m_ForeColor = 0;
  bool m_LeftPressed = false;
  bool m_Actionable = false;
  bool m_Checkable = false;
  bool m_Checked = false;
  host::KeyActivation m_Keys;
};

// An OLE colour value (plain or system) as a Qt colour; an untranslatable value is black.
QColor OleToQColor(std::int32_t oleColor);

}  // namespace app
