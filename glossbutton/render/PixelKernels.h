#pragma once
// The pixel loops of the glossy renderers, one version per vector path (VectorPath.h): each
// writes exactly the same pixels on either path.
#include <cstddef>
#include <cstdint>

namespace gloss {

// A glow from one colour to another in steps of a percent: table[p] is the stored pixel of
// BlendColors(from, to, p) for p in 0..100, the components are from and to split.
struct GlowRamp {
  const std::uint32_t* table;
  std::int32_t from[3], to[3];  // red, green, blue
};

// The glow of one row: out[i] = ramp.table[100] for i in clamped..first - 1, where it is known to
// be clamped, and out[i] = ramp.table[round(term[i] + rowTerm)] for i in first..last, every index
// already known to be within 0..100 (rounding halves to even, as CInt32).
struct GlowRun {
  std::uint32_t* out;
  double rowTerm;
  std::int32_t clamped, first, last;
};
// Each run of runs[0..n); when mirrorW is 0 or more, out[mirrorW - i] as well (every i at or left
// of the middle column mirrorW \ 2).
void GlowColumns(const GlowRun* runs, std::size_t n, const double* term, const GlowRamp& ramp,
                 std::int32_t mirrorW = -1);

// out[i] = DarkenPixel(out[i], percent[i]) for i in first..last, every percentage below 100.
void DarkenColumns(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last);

// DarkenColumns, then MirrorColumns(out, W, first, last), in one pass. percent may be read up to
// seven entries past last, and the pixels up to column W \ 2 are symmetric (row[W - i] == row[i])
// outside the columns first..last.
void DarkenAndMirror(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last,
                     std::int32_t W);

// out[0..n) = px; runs of a few pixels are written in place, longer ones by the vector path's loop.
void FillLongRun(std::uint32_t* out, std::int32_t n, std::uint32_t px);
inline void FillPixels(std::uint32_t* out, std::int32_t n, std::uint32_t px) {
  if (n >= 16) return FillLongRun(out, n, px);
  for (std::int32_t i = 0; i < n; ++i) out[i] = px;
}

// n pixels of one colour from offset on, in table[colour].
struct Fill {
  std::size_t offset;
  std::uint32_t n, colour;
};

// Writes the fills fill..end, in order of their offsets, from base on. room is how many pixels
// from base on may be written past the end of a fill: pixels that a later fill or a later step of
// the caller writes anyway (0: none). A short fill may then be one whole vector store.
void PaintFills(std::uint32_t* base, const Fill* fill, const Fill* end, const std::uint32_t* table,
                std::ptrdiff_t room);

// row[W - i] = row[i] for i in first..last, all at or left of the middle column W \ 2.
void MirrorColumns(std::uint32_t* row, std::int32_t W, std::int32_t first, std::int32_t last);

}  // namespace gloss
