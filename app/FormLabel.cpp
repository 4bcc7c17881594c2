#include "app/FormLabel.h"

#include <QMouseEvent>

#include "host/qt/QtSystemColors.h"
#include "platform/SystemColors.h"

namespace app {

QColor OleToQColor(std::int32_t oleColor) {
  platform::COLORREF rgb = 0;
  if (platform::OleTranslateColor(static_cast<platform::OLE_COLOR>(oleColor), 0, &rgb) != platform::S_OK) rgb = 0;
  return host::FromColorRef(rgb);
}

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  setWordWrap(true);  // a label wraps its caption within its box
}

void FormLabel::SetForeColor(std::int32_t newValue) {
  m_ForeColor = newValue;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, OleToQColor(newValue));
  setPalette(p);
}

// A transparent label fills nothing, so the form's picture shows around its text.
void FormLabel::SetTransparent(bool transparent) { setAutoFillBackground(!transparent); }

void FormLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_LeftPressed = true;
  event->accept();
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !m_LeftPressed) return;
  m_LeftPressed = false;
  if (rect().contains(event->position().toPoint())) emit Click();
}

}  // namespace app
