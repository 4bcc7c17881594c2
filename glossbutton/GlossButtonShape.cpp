// Window shape and surface size, rebuilt on resize and on a change of Style.
#include <algorithm>

#include "glossbutton/GlossButton.h"
#include "glossbutton/GlossButtonPrivate.h"
#include "glossbutton/RoundShape.h"
#include "glossbutton/render/ColorHelpers.h"
#include "glossbutton/render/Geometry.h"
#include "platform/Regions.h"

namespace gloss {

void GlossButton::UpdateShape() {
  const platform::HWND hWnd = m_Host.WindowHandle();
  // The shape and the surface are in device pixels.
  const double ratio = m_Host.DevicePixelRatio();
  const std::int32_t W = CInt32(m_Host.ScaleWidth() * ratio);
  const std::int32_t H = CInt32(m_Host.ScaleHeight() * ratio);

  std::int32_t radius = 0;
  bool rounded = true;
  switch (m_Style) {
    case 2:
    case 4:
    case 5:
      radius = ClampValue(IntDiv32(H, 2), 0, IntDiv32(W, 2));  // a pill
      break;
    case 3: radius = CInt32(12.0 * ratio); break;
    case 6: radius = ClampValue(IntDiv32(H, 3), 0, IntDiv32(W, 3)); break;
    default: rounded = false; break;
  }
  if (rounded) {
    // The last column and row stay outside, as the renderers never paint them.
    std::int32_t width = Sub32(W, 1);
    std::int32_t height = Sub32(H, 1);
    BuildRoundRegion(width, height, radius);
  } else {
    platform::SetWindowRgn(hWnd, 0, platform::TRUE);
  }

  m_Private->Picture1.Clear();
  m_Private->Picture1.Resize(std::max(W, 0), std::max(H, 0));

  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::BuildRoundRegion(std::int32_t& width, std::int32_t& height, std::int32_t& radius) {
  m_CornerRadius = radius;
  const std::int32_t Wr = width;
  const std::int32_t Hr = height;
  // Pixels 0 to Wr - 1 and 0 to Hr - 1, less the corners.
  const platform::HRGN region = CreateRoundShapeRegion(Wr, Hr, radius);

  // The window owns the region from here on; only a refused hand-over leaves it ours to free.
  if (!platform::SetWindowRgn(m_Host.WindowHandle(), region, platform::TRUE)) platform::DeleteObject(region);
}

}  // namespace gloss
