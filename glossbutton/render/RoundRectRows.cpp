#include "glossbutton/render/RoundRectRows.h"

#include <algorithm>
#include <cmath>

#include "glossbutton/render/Numbers.h"

namespace gloss {

void RoundRectRows::Reset(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                          std::int32_t radius) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (radius == radius_) return;  // the corner table depends on the radius alone
  radius_ = radius;
  // CircleTest's column height h(a) for a = 0..radius, as it computes it; it never grows with a,
  // so the columns inside at distance k from the centre row are exactly a <= reach_[k].
  const double r = radius;
  reach_.resize(static_cast<std::size_t>(radius) + 1);
  std::int32_t a = radius;
  const auto heightAt = [r](std::int32_t offset) {
    const double o = offset;
    const double d = NearestEven(r * r - o * o);
    return static_cast<std::int32_t>(NearestEven(std::sqrt(d)));
  };
  for (std::int32_t k = 0; k <= radius; ++k) {
    while (a >= 0 && heightAt(a) <= k) --a;
    reach_[static_cast<std::size_t>(k)] = a;
  }
}

int UniteRuns(const Run* a, int na, const Run* b, int nb, Run* out) {
  int n = 0, i = 0, j = 0;
  while (i < na || j < nb) {
    const Run next = (j >= nb || (i < na && a[i].first <= b[j].first)) ? a[i++] : b[j++];
    if (n > 0 && next.first <= out[n - 1].last + 1)
      out[n - 1].last = std::max(out[n - 1].last, next.last);
    else
      out[n++] = next;
  }
  return n;
}

int SubtractRuns(const Run* a, int na, const Run* b, int nb, Run* out) {
  int n = 0;
  for (int i = 0; i < na; ++i) {
    std::int32_t first = a[i].first;
    for (int j = 0; j < nb && first <= a[i].last; ++j) {
      if (b[j].last < first || b[j].first > a[i].last) continue;
      if (b[j].first > first) out[n++] = {first, b[j].first - 1};
      first = b[j].last + 1;
    }
    if (first <= a[i].last) out[n++] = {first, a[i].last};
  }
  return n;
}

int IntersectRuns(const Run* a, int na, const Run* b, int nb, Run* out) {
  int n = 0, i = 0, j = 0;
  while (i < na && j < nb) {
    const std::int32_t first = std::max(a[i].first, b[j].first);
    const std::int32_t last = std::min(a[i].last, b[j].last);
    if (first <= last) out[n++] = {first, last};
    if (a[i].last < b[j].last)
      ++i;
    else
      ++j;
  }
  return n;
}

int RoundRectRows::Row(std::int32_t y, Run out[3]) const {
  const std::int32_t r = radius_, w = width_;
  const std::int32_t dy = y - top_;
  int n = 0;
  const auto add = [&](std::int32_t first, std::int32_t last) {
    if (first > last) return;
    if (n > 0 && out[n - 1].last == first + left_ - 1)
      out[n - 1].last = last + left_;  // runs that touch
    else
      out[n++] = {first + left_, last + left_};
  };
  if (dy > r && dy + r < height_) {
    add(1, w - 1);  // between the corners: the open rectangle
    return n;
  }
  // A corner row: the top circles win over the bottom ones where both would apply.
  const std::int32_t k = dy <= r ? r - dy : std::abs(dy - height_ + r);
  const std::int32_t reach = k <= r ? reach_[static_cast<std::size_t>(k)] : -1;
  add(r - reach, r - 1);                                                    // left circle, dx < r
  if (dy > 0 && dy < height_) add(std::max(r, 1), std::min(w - r, w - 1));  // straight edge
  add(std::max(r, w - r + 1), w - r + reach);                               // right circle, dx > w - r
  return n;
}

}  // namespace gloss
