// The site's face and shape: the published image, cut to the control's window region.
#include <cmath>

#include <QPainter>
#include <QRegion>

#include "host/qt/InputMessages.h"
#include "host/qt/QtSite.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

void QtSite::ApplyRegion() {
  bool hasRegion = false;
  const std::vector<RECT> rects = GetWindowRgnRects(Hwnd(), &hasRegion);
  m_HasRegion = hasRegion;
  m_DeviceRegion = QRegion();
  m_CutFrom = nullptr;
  if (!hasRegion) {
    m_Surface.ShapeChanged(nullptr);
  } else {
    // The region is in device pixels; the mask holds every logical pixel with any part inside
    // it, and presses on the device pixels outside the region fall through (FallsThrough).
    const double ratio = m_Surface.SurfaceRatio();
    QRegion mask;
    for (const RECT& r : rects) {
      m_DeviceRegion += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
      const int left = static_cast<int>(std::floor(r.left / ratio)), top = static_cast<int>(std::floor(r.top / ratio));
      const int right = static_cast<int>(std::ceil(r.right / ratio));
      const int bottom = static_cast<int>(std::ceil(r.bottom / ratio));
      mask += QRect(left, top, right - left, bottom - top);
    }
    m_Surface.ShapeChanged(&mask);
  }
  m_Surface.Repaint();
}

bool QtSite::InsideShape(const QPointF& p) const {
  const double ratio = m_Surface.SurfaceRatio();
  const int x = static_cast<int>(std::floor(p.x() * ratio)), y = static_cast<int>(std::floor(p.y() * ratio));
  return QRect(QPoint(), m_Surface.SurfaceSize()).contains(PixelOf(p)) && PtInWindowRgn(Hwnd(), x, y);
}

QImage QtSite::Face(bool cutToShape) {
  if (!m_Image || m_Image->width <= 0 || m_Image->height <= 0) return {};
  QImage face(reinterpret_cast<const uchar*>(m_Image->pixels.data()), m_Image->width, m_Image->height,
              m_Image->width * 4, QImage::Format_RGB32);
  face.setDevicePixelRatio(m_ImageRatio);
  if (!cutToShape || !m_HasRegion) return face;
  if (m_CutFrom != m_Image.get() || m_CutFace.size() != face.size()) {
    m_CutFace = QImage(face.size(), QImage::Format_ARGB32_Premultiplied);
    m_CutFace.fill(Qt::transparent);
    face.setDevicePixelRatio(1.0);
    QPainter cut(&m_CutFace);
    cut.setClipRegion(m_DeviceRegion);
    cut.drawImage(0, 0, face);
    cut.end();
    m_CutFace.setDevicePixelRatio(m_ImageRatio);
    m_CutFrom = m_Image.get();
  }
  return m_CutFace;
}

}  // namespace host
