// Window shape and surface size, rebuilt on resize and on a change of Style.
#include <algorithm>

#include "glossbutton/GlossButton.h"
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
    case 3:
      radius = CInt32(12.0 * ratio);
      break;
    case 6:
      radius = ClampValue(IntDiv32(H, 3), 0, IntDiv32(W, 3));
      break;
    default:
      rounded = false;
      break;
  }
  if (rounded) {
    // The last column and row stay outside, as the renderers never paint them.
    std::int32_t width = Sub32(W, 1);
    std::int32_t height = Sub32(H, 1);
    BuildRoundRegion(width, height, radius);
  } else {
    platform::SetWindowRgn(hWnd, 0, platform::TRUE);
  }

  m_Picture1.Clear();
  m_Picture1.Resize(std::max(W, 0), std::max(H, 0));

  std::int32_t state = 0;
  Redraw(state);
}

void GlossButton::BuildRoundRegion(std::int32_t& width, std::int32_t& height, std::int32_t& radius) {
  m_CornerRadius = radius;
  const std::int32_t Wr = width;
  const std::int32_t Hr = height;
  // Pixels 0 to Wr - 1 and 0 to Hr - 1: none at all for a size of 0 or less (the platform
  // would otherwise read the edges in either order).
  const platform::HRGN region = platform::CreateRectRgn(0, 0, std::max(Wr, 0), std::max(Hr, 0));

  // Cuts each row's outside run (found from the left half, mirrored) once the next row begins.
  std::int32_t lastRow = 0;
  std::int32_t runEnd = 0;
  const std::int32_t halfWidth = IntDiv32(Wr, 2);
  for (std::int32_t k = 0; k <= Hr; ++k) {
    for (std::int32_t i = 0; i <= halfWidth; ++i) {
      if (RoundCornerTest(i, k, 0, 0, Wr, Hr, radius)) continue;
      if (k != lastRow) {
        XorRect(region, Sub32(Wr, runEnd), lastRow, Sub32(Wr, i), k);
        // For an even width the two halves meet at Wr / 2: one more column would be cut twice.
        if (Wr != Mul32(2, runEnd)) runEnd = Add32(runEnd, 1);
        XorRect(region, i, k, runEnd, lastRow);
      }
      runEnd = i;
      lastRow = k;
    }
  }

  // The window owns the region from here on; only a refused hand-over leaves it ours to free.
  if (!platform::SetWindowRgn(m_Host.WindowHandle(), region, platform::TRUE)) platform::DeleteObject(region);
}

void GlossButton::XorRect(platform::HRGN region, std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom) {
  const platform::HRGN rect = platform::CreateRectRgn(left, top, right, bottom);
  platform::CombineRgn(region, region, rect, platform::RGN_XOR);
  platform::DeleteObject(rect);
}

}  // namespace gloss
