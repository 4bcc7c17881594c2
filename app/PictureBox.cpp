#include "app/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/FormLabel.h"

namespace app {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PictureBox::SetPicture(const QImage& picture) {
  m_Picture = picture;
  update();
}

void PictureBox::SetBackColor(std::int32_t oleColor) {
  m_BackColor = oleColor;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), OleToQColor(m_BackColor));
  if (!m_Picture.isNull()) painter.drawImage(QPoint(0, 0), m_Picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

}  // namespace app
