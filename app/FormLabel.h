#pragma once
// A label drawn on the form: caption, foreground colour kept as a colour value (the handlers read
// it back), transparent or opaque background, a custom cursor, and a Click on a left press and
// release inside it. Presses over it never reach the form, so they do not start a drag.
#include <QLabel>
#include <cstdint>

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

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::int32_t m_ForeColor = 0;
  bool m_LeftPressed = false;
};

// An OLE colour value (plain or system) as a Qt colour; an untranslatable value is black.
QColor OleToQColor(std::int32_t oleColor);

}  // namespace app
