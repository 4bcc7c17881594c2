#pragma once
// The pixel loops of the glossy renderers, one version per vector path (VectorPath.h): each
// writes exactly the same pixels on either path.
#include <cstdint>

namespace gloss {

// out[i] = glow[round(term[i] + rowTerm)] for i in first..last, every index already known to be
// within 0..100 (rounding halves to even, as CInt32).
void GlowColumns(std::uint32_t* out, const double* term, double rowTerm, const std::uint32_t* glow, std::int32_t first,
                 std::int32_t last);

// out[i] = DarkenPixel(out[i], percent[i]) for i in first..last, every percentage below 100.
void DarkenColumns(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last);

// out[0..n) = px; runs of a few pixels are written in place, longer ones by the vector path's loop.
void FillLongRun(std::uint32_t* out, std::int32_t n, std::uint32_t px);
inline void FillPixels(std::uint32_t* out, std::int32_t n, std::uint32_t px) {
  if (n >= 16) return FillLongRun(out, n, px);
  for (std::int32_t i = 0; i < n; ++i) out[i] = px;
}

// row[W - i] = row[i] for i in first..last, all at or left of the middle column W \ 2.
void MirrorColumns(std::uint32_t* row, std::int32_t W, std::int32_t first, std::int32_t last);

}  // namespace gloss
