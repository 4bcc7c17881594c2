// The site's face: the published image painted, cut to the control's window region.
#include "host/qt/SiteEngine.h"

#include <GlossButton/GlossButtonWidget.h>

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include "host/qt/InputMessages.h"
#include "platform/Regions.h"

namespace host {

using namespace platform;

// ---- Shape and face

void SiteEngine::ApplyRegion() {
  bool hasRegion = false;
  const std::vector<RECT> rects = GetWindowRgnRects(Hwnd(), &hasRegion);
  m_HasRegion = hasRegion;
  m_DeviceRegion = QRegion();
  m_CutFrom = nullptr;
  if (!hasRegion) {
    m_Widget.clearMask();
  } else {
    // The region is in device pixels; the mask holds every widget pixel with any part inside it,
    // and presses on the device pixels outside the region fall through (FallsThrough).
    const double ratio = m_Widget.devicePixelRatioF();
    QRegion mask;
    for (const RECT& r : rects) {
      m_DeviceRegion += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
      const int left = static_cast<int>(std::floor(r.left / ratio)), top = static_cast<int>(std::floor(r.top / ratio));
      const int right = static_cast<int>(std::ceil(r.right / ratio));
      const int bottom = static_cast<int>(std::ceil(r.bottom / ratio));
      mask += QRect(left, top, right - left, bottom - top);
    }
    // An empty QRegion would mean "no mask"; an empty shape must hide every pixel instead.
    if (mask.isEmpty()) mask = QRegion(-1, -1, 1, 1);
    m_Widget.setMask(mask);
  }
  m_Widget.update();
}

bool SiteEngine::InsideShape(const QPointF& p) const {
  const double ratio = m_Widget.devicePixelRatioF();
  const int x = static_cast<int>(std::floor(p.x() * ratio)), y = static_cast<int>(std::floor(p.y() * ratio));
  return m_Widget.rect().contains(PixelOf(p)) && PtInWindowRgn(Hwnd(), x, y);
}

void SiteEngine::PaintEvent(QPaintEvent*) {
  if (PropertiesLoaded() && m_SentResize && m_Widget.devicePixelRatioF() != m_ImageRatio) {
    // Moved to a screen of another density: redraw at its resolution once this paint is done.
    m_ImageRatio = m_Widget.devicePixelRatioF();
    QTimer::singleShot(0, &m_Widget, [this] {
      if (PropertiesLoaded()) SendResize();
    });
  }
  if (!m_Image || m_Image->width <= 0 || m_Image->height <= 0) return;
  QImage face(reinterpret_cast<const uchar*>(m_Image->pixels.data()), m_Image->width, m_Image->height,
              m_Image->width * 4, QImage::Format_RGB32);
  QPainter painter(&m_Widget);
  if (m_ImageRatio == 1.0 || !m_HasRegion) {
    face.setDevicePixelRatio(m_ImageRatio);
    painter.drawImage(0, 0, face);
    return;
  }
  if (m_CutFrom != m_Image.get() || m_CutFace.size() != face.size()) {
    m_CutFace = QImage(face.size(), QImage::Format_ARGB32_Premultiplied);
    m_CutFace.fill(Qt::transparent);
    QPainter cut(&m_CutFace);
    cut.setClipRegion(m_DeviceRegion);
    cut.drawImage(0, 0, face);
    cut.end();
    m_CutFace.setDevicePixelRatio(m_ImageRatio);
    m_CutFrom = m_Image.get();
  }
  painter.drawImage(0, 0, m_CutFace);
}

}  // namespace host
