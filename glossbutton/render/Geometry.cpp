#include "glossbutton/render/Geometry.h"

#include <cmath>

#include "glossbutton/render/Numbers.h"

namespace gloss {

bool CircleTest(std::int32_t offset, std::int32_t y, std::int32_t radius) {
  const double r = radius;
  const double o = offset;
  const std::int32_t d = CInt32(r * r - o * o);
  if (d < 0) return false;
  const std::int32_t h = CInt32(std::sqrt(static_cast<double>(d)));
  const std::int32_t dy = Sub32(y, radius);
  return (dy < 0 ? Sub32(0, dy) : dy) < h;
}

bool RoundCornerTest(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top, std::int32_t width,
                     std::int32_t height, std::int32_t radius) {
  const std::int32_t dx = Sub32(x, left);
  const std::int32_t dy = Sub32(y, top);
  const std::int32_t dxr = Add32(dx, radius);  // right edge of the corner zone reached
  const std::int32_t dyr = Add32(dy, radius);
  if (dx > radius && dxr < width && dy > radius && dyr < height) return true;
  if (dx < radius && dy <= radius) return CircleTest(Sub32(dx, radius), dy, radius);
  if (dxr > width && dy <= radius) return CircleTest(Add32(Sub32(dx, width), radius), dy, radius);
  if (dx < radius && dyr >= height)
    return CircleTest(Sub32(dx, radius), Add32(Sub32(dy, height), Mul32(2, radius)), radius);
  if (dxr > width && dyr >= height)
    return CircleTest(Add32(Sub32(dx, width), radius), Add32(Sub32(dy, height), Mul32(2, radius)), radius);
  return dx > 0 && dx < width && dy > 0 && dy < height;
}

}  // namespace gloss
