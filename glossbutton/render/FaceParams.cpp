#include "glossbutton/render/FaceParams.h"

#include <cmath>

#include "glossbutton/render/Numbers.h"

namespace gloss {

bool MakeFaceParams(FaceParams& P, std::int32_t Style, std::int32_t R, float surfaceScaleWidth,
                    float controlScaleHeight, double devicePixelRatio) {
  P = FaceParams{};
  if (Style < 2 || Style > 5) return true;
  const auto px = [devicePixelRatio](std::int32_t n) { return CInt32(static_cast<double>(n) * devicePixelRatio); };
  const double half = static_cast<double>(R) / 2.0;
  P.HighlightWidth = CInt32(static_cast<double>(surfaceScaleWidth + static_cast<float>(Mul32(2, R))));
  switch (Style) {
    case 2:
      P.HighlightSlope = 50;
      P.HighlightLeft = CInt32(half);
      P.HighlightTop = px(1);
      P.HighlightRadius = IntDiv32(R, 2);
      P.HighlightHeight = R;
      P.ShadeX = 100;
      P.ShadeY = 60;
      break;
    case 3: {
      P.HighlightSlope = 70;
      P.HighlightLeft = IntDiv32(R, 3);
      P.HighlightTop = 0;
      P.HighlightRadius = px(5);
      P.HighlightHeight = px(10);
      P.ShadeX = 100;
      // 7 pixels' worth of falloff, as a percentage of the height.
      const float falloff = 100.0f - static_cast<float>(700.0 * devicePixelRatio) / controlScaleHeight;
      if (!std::isfinite(falloff)) return false;
      P.ShadeY = CInt32(falloff);
      if (P.ShadeY > 80) P.ShadeY = 80;
      break;
    }
    case 4:
      P.HighlightSlope = 70;
      P.HighlightLeft = Sub32(IntDiv32(R, 3), px(1));
      P.HighlightTop = 0;
      P.HighlightRadius = IntDiv32(R, 2);
      P.HighlightHeight = Sub32(R, px(2));
      P.ShadeX = 100;
      P.ShadeY = 70;
      break;
    case 5:
      P.HighlightSlope = 50;
      P.HighlightLeft = CInt32(-half);
      P.HighlightTop = Sub32(Sub32(0, R), px(2));
      P.HighlightRadius = R;
      P.HighlightHeight = Add32(Mul32(2, R), px(1));
      P.ShadeX = 80;
      P.ShadeY = 70;
      break;
  }
  return true;
}

}  // namespace gloss
