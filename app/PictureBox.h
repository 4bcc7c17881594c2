#pragma once
// A picture box: its background colour with its picture at the top-left, unscaled and cut
// off at the box's edges. It takes the mouse itself, so a press on it does not drag the form.
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace app {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return m_Picture; }
  void SetBackColor(std::int32_t oleColor);
  std::int32_t BackColor() const { return m_BackColor; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage m_Picture;
  std::int32_t m_BackColor = 0;
};

}  // namespace app
