#pragma once
// RoundCornerTest answered a whole row at a time: the points of one row that lie inside a
// rounded rectangle, as at most three runs of columns. The corner circles are worked out once
// per shape (one square root per column of the corner) instead of once per pixel.
#include <cstdint>
#include <vector>

namespace gloss {

struct Run {
  std::int32_t first;
  std::int32_t last;  // inclusive; first > last is empty
};

// Runs of one row as a small set: a + b and a - b, each sorted with gaps between runs; out
// must hold na + nb runs; each returns how many it wrote.
int UniteRuns(const Run* a, int na, const Run* b, int nb, Run* out);
int SubtractRuns(const Run* a, int na, const Run* b, int nb, Run* out);
// a and b (out holds na + nb runs).
int IntersectRuns(const Run* a, int na, const Run* b, int nb, Run* out);

class RoundRectRows {
 public:
  // radius must be 0 or more and at most kMaxRadius, the largest whose square RoundCornerTest
  // still holds in 32 bits; the other values must stay within a few thousand times that, so that
  // no sum leaves 32 bits.
  static constexpr std::int32_t kMaxRadius = 46340;
  void Reset(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t radius);

  // The columns x of row y for which RoundCornerTest(x, y, left, top, width, height, radius)
  // holds, as runs in ascending order with gaps between them. Returns the number of runs written (0 to 3).
  int Row(std::int32_t y, Run out[3]) const;

 private:
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, radius_ = -1;
  // reach_[k]: the largest distance a from the circle's centre column for which CircleTest at a
  // row k away from the centre row holds; -1 when none.
  std::vector<std::int32_t> reach_;
};

}  // namespace gloss
