#pragma once
// The nine numbers in which styles 2 to 5 differ, shared by the fast and the plain painters
// of those styles.
#include <cstdint>

namespace gloss {

struct FaceParams {
  std::int32_t HighlightBase = 0;
  std::int32_t HighlightSlope = 0;
  std::int32_t HighlightLeft = 0;
  std::int32_t HighlightTop = 0;
  std::int32_t HighlightRadius = 0;
  std::int32_t HighlightHeight = 0;
  std::int32_t HighlightWidth = 0;
  std::int32_t ShadeX = 0;
  std::int32_t ShadeY = 0;
  bool operator==(const FaceParams&) const = default;
};

// The record for Style with corner radius R; all zero for a style outside 2..5. Returns false
// when the Style 3 falloff cannot be worked out (a control of height 0): nothing is drawn then.
// Sizes are in device pixels; the record's fixed lengths are scaled by devicePixelRatio.
bool MakeFaceParams(FaceParams& P, std::int32_t Style, std::int32_t R, float surfaceScaleWidth,
                    float controlScaleHeight, double devicePixelRatio = 1.0);

}  // namespace gloss
