#include "glossbutton/render/PixelKernels.h"

#include <immintrin.h>

#include <algorithm>

#include "glossbutton/render/PixelMath.h"
#include "glossbutton/render/VectorPath.h"

namespace gloss {
namespace {

// n >= 8 pixels in whole stores, the last one overlapping the one before.
__attribute__((target("avx2"))) inline void LongFillAvx2(std::uint32_t* out, std::uint32_t n, __m256i v) {
  std::uint32_t* const last = out + (n - 8);
  for (; out < last; out += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), v);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(last), v);
}

// Float to integer, nearest with halves to even: the processor's default rounding, as CInt32.
inline std::int32_t RoundToInt(double v) { return _mm_cvtsd_si32(_mm_set_sd(v)); }

void GlowColumnsPlain(const GlowRun* runs, std::size_t n, const double* term, const GlowRamp& ramp,
                      std::int32_t mirrorW) {
  for (const GlowRun* run = runs; run != runs + n; ++run) {
    for (std::int32_t i = run->clamped; i < run->first; ++i) run->out[i] = ramp.table[100];
    for (std::int32_t i = run->first; i <= run->last; ++i) run->out[i] = ramp.table[RoundToInt(term[i] + run->rowTerm)];
    if (mirrorW >= 0)
      for (std::int32_t i = run->clamped; i <= run->last; ++i) run->out[mirrorW - i] = run->out[i];
  }
}

// Eight pixels at a time: the conversion rounds the same way (the MXCSR default, halves to even),
// and the blend is worked out rather than looked up (a gather costs more than the arithmetic):
// each component from + (to - from) * p \ 100, the division truncating towards zero, taken as
// the magnitude |to - from| * p (at most 25500) divided by 100 as (x * 41944) >> 22, exact below
// 43699, with the difference's sign put back; p * (|to - from| * 41944) stays below 2^31. The
// mirror half is stored reversed straight away.
__attribute__((target("avx2"))) void GlowColumnsAvx2(const GlowRun* runs, std::size_t n, const double* term,
                                                     const GlowRamp& ramp, std::int32_t mirrorW) {
  const __m256i reverse = _mm256_set_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  const __m256i alpha = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  __m256i from[3], scaled[3], sign[3];
  for (int c = 0; c < 3; ++c) {
    const std::int32_t d = ramp.to[c] - ramp.from[c];
    from[c] = _mm256_set1_epi32(ramp.from[c]);
    scaled[c] = _mm256_set1_epi32((d < 0 ? -d : d) * 41944);
    sign[c] = _mm256_set1_epi32(d < 0 ? -1 : 1);
  }
  const __m256i clampedPixel = _mm256_set1_epi32(static_cast<int>(ramp.table[100]));
  for (const GlowRun* run = runs; run != runs + n; ++run) {
    std::uint32_t* const out = run->out;
    if (const std::int32_t count = run->first - run->clamped; count >= 8) {
      LongFillAvx2(out + run->clamped, static_cast<std::uint32_t>(count), clampedPixel);
      if (mirrorW >= 0) LongFillAvx2(out + (mirrorW - run->first + 1), static_cast<std::uint32_t>(count), clampedPixel);
    } else {
      for (std::int32_t i = run->clamped; i < run->first; ++i) out[i] = ramp.table[100];
      if (mirrorW >= 0)
        for (std::int32_t i = run->clamped; i < run->first; ++i) out[mirrorW - i] = ramp.table[100];
    }
    const __m256d add = _mm256_set1_pd(run->rowTerm);
    std::int32_t i = run->first;
    for (; i + 7 <= run->last; i += 8) {
      const __m128i lo = _mm256_cvtpd_epi32(_mm256_add_pd(_mm256_loadu_pd(term + i), add));
      const __m128i hi = _mm256_cvtpd_epi32(_mm256_add_pd(_mm256_loadu_pd(term + i + 4), add));
      const __m256i p = _mm256_set_m128i(hi, lo);
      __m256i component[3];
      for (int c = 0; c < 3; ++c)  // from + q, or from - q where to lies below from
        component[c] = _mm256_add_epi32(
            from[c], _mm256_sign_epi32(_mm256_srli_epi32(_mm256_mullo_epi32(p, scaled[c]), 22), sign[c]));
      const __m256i px = _mm256_or_si256(_mm256_or_si256(alpha, _mm256_slli_epi32(component[0], 16)),
                                         _mm256_or_si256(_mm256_slli_epi32(component[1], 8), component[2]));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), px);
      if (mirrorW >= 0)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + (mirrorW - i - 7)),
                            _mm256_permutevar8x32_epi32(px, reverse));
    }
    for (; i <= run->last; ++i) {
      out[i] = ramp.table[RoundToInt(term[i] + run->rowTerm)];
      if (mirrorW >= 0) out[mirrorW - i] = out[i];
    }
  }
}

void DarkenColumnsPlain(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last) {
  for (std::int32_t i = first; i <= last; ++i) out[i] = DarkenPixel(out[i], percent[i]);
}

// Eight pixels at a time in 16-bit lanes: a component times a percentage below 100 stays below
// 25500, and for every such x, x \ 100 is (x * 41944) >> 22 exactly.
// Pixels 0, 1 | 4, 5 and 2, 3 | 6, 7 as 16-bit components, their percentages beside them.
__attribute__((target("avx2"))) inline __m256i DarkenEightAvx2(__m256i px, const std::uint8_t* percent) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i reciprocal = _mm256_set1_epi16(static_cast<short>(41944));
  const __m256i p32 = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(percent)));
  const __m256i p16 = _mm256_or_si256(p32, _mm256_slli_epi32(p32, 16));  // each pixel's percentage twice
  const __m256i lo = _mm256_srli_epi16(
      _mm256_mulhi_epu16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(px, zero), _mm256_unpacklo_epi32(p16, p16)),
                         reciprocal),
      6);
  const __m256i hi = _mm256_srli_epi16(
      _mm256_mulhi_epu16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(px, zero), _mm256_unpackhi_epi32(p16, p16)),
                         reciprocal),
      6);
  return _mm256_or_si256(_mm256_packus_epi16(lo, hi), _mm256_set1_epi32(static_cast<int>(0xFF000000u)));
}

__attribute__((target("avx2"))) void DarkenColumnsAvx2(std::uint32_t* out, const std::uint8_t* percent,
                                                       std::int32_t first, std::int32_t last) {
  std::int32_t i = first;
  for (; i + 7 <= last; i += 8) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                        DarkenEightAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + i)), percent + i));
  }
  for (; i <= last; ++i) out[i] = DarkenPixel(out[i], percent[i]);
}

void DarkenAndMirrorPlain(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last,
                          std::int32_t W) {
  for (std::int32_t i = first; i <= last; ++i) out[W - i] = out[i] = DarkenPixel(out[i], percent[i]);
}

// Darkens eight pixels and stores them with their mirror. A last part of fewer than eight columns
// is done as a whole eight where they all lie left of the middle: the columns past last keep
// their pixels (blended back), and their mirrors already hold the same ones.
__attribute__((target("avx2"))) void DarkenAndMirrorAvx2(std::uint32_t* out, const std::uint8_t* percent,
                                                         std::int32_t first, std::int32_t last, std::int32_t W) {
  const __m256i reverse = _mm256_set_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  const __m256i lane = _mm256_set_epi32(7, 6, 5, 4, 3, 2, 1, 0);
  std::int32_t i = first;
  while (i <= last && (i + 7 <= last || i + 7 <= W / 2)) {
    const __m256i px = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out + i));
    const __m256i dark = DarkenEightAvx2(px, percent + i);
    const __m256i within = _mm256_cmpgt_epi32(_mm256_set1_epi32(last - i + 1), lane);
    const __m256i result = _mm256_blendv_epi8(px, dark, within);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), result);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + (W - i - 7)), _mm256_permutevar8x32_epi32(result, reverse));
    i += 8;
  }
  for (; i <= last; ++i) out[W - i] = out[i] = DarkenPixel(out[i], percent[i]);
}

void MirrorColumnsPlain(std::uint32_t* row, std::int32_t W, std::int32_t first, std::int32_t last) {
  for (std::int32_t i = first; i <= last; ++i) row[W - i] = row[i];
}

// Eight columns reversed at a time. Sources lie at or left of the middle, mirrors at or right of
// it: they share at most the middle column, which is its own mirror.
__attribute__((target("avx2"))) void MirrorColumnsAvx2(std::uint32_t* row, std::int32_t W, std::int32_t first,
                                                       std::int32_t last) {
  const __m256i reverse = _mm256_set_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  std::int32_t i = first;
  for (; i + 7 <= last; i += 8) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + (W - i - 7)), _mm256_permutevar8x32_epi32(v, reverse));
  }
  for (; i <= last; ++i) row[W - i] = row[i];
}

void FillPlain(std::uint32_t* out, std::int32_t n, std::uint32_t px) { std::fill(out, out + n, px); }

// Whole 32-byte stores, the last one overlapping the one before it (n is at least 8).
__attribute__((target("avx2"))) void FillAvx2(std::uint32_t* out, std::int32_t n, std::uint32_t px) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(px));
  std::int32_t i = 0;
  for (; i + 8 <= n; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), v);
  if (i < n) _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + n - 8), v);
}

void PaintFillsPlain(std::uint32_t* base, const Fill* fill, const Fill* end, const std::uint32_t* table,
                     std::ptrdiff_t) {
  for (; fill != end; ++fill) std::fill(base + fill->offset, base + fill->offset + fill->n, table[fill->colour]);
}

// Most fills of a face are a few pixels (the ring, the corners): one whole store each while there
// is room (the fills are in order, so once one has none the rest have none), then two overlapping
// half stores or single pixels; longer ones in whole stores, the last one overlapping the one before.

__attribute__((target("avx2"))) void PaintFillsAvx2(std::uint32_t* base, const Fill* fill, const Fill* end,
                                                    const std::uint32_t* table, std::ptrdiff_t room) {
  for (; fill != end && static_cast<std::ptrdiff_t>(fill->offset) + 8 <= room; ++fill) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(table[fill->colour]));
    if (fill->n >= 8)
      LongFillAvx2(base + fill->offset, fill->n, v);
    else
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(base + fill->offset), v);
  }
  for (; fill != end; ++fill) {
    std::uint32_t* out = base + fill->offset;
    const std::uint32_t n = fill->n;
    const __m256i v = _mm256_set1_epi32(static_cast<int>(table[fill->colour]));
    if (n >= 8) {
      LongFillAvx2(out, n, v);
    } else if (n >= 4) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(v));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + n - 4), _mm256_castsi256_si128(v));
    } else {
      for (std::uint32_t i = 0; i < n; ++i) out[i] = table[fill->colour];
    }
  }
}

struct Kernels {
  decltype(&GlowColumnsPlain) glow;
  decltype(&DarkenColumnsPlain) darken;
  decltype(&MirrorColumnsPlain) mirror;
  decltype(&FillPlain) fill;
  decltype(&PaintFillsPlain) paint;
  decltype(&DarkenAndMirrorPlain) darkenAndMirror;
};
constexpr Kernels kPlain{GlowColumnsPlain, DarkenColumnsPlain, MirrorColumnsPlain,
                         FillPlain,        PaintFillsPlain,    DarkenAndMirrorPlain};
constexpr Kernels kAvx2{GlowColumnsAvx2, DarkenColumnsAvx2, MirrorColumnsAvx2,
                        FillAvx2,        PaintFillsAvx2,    DarkenAndMirrorAvx2};

bool ProcessorHasAvx2() {
  static const bool has = [] {
    __builtin_cpu_init();  // may run before the run-time library's own start-up
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

// The loops in use: picked from the processor on first use, replaced by UseVectorPath.
const Kernels*& Chosen() {
  static const Kernels* chosen = ProcessorHasAvx2() ? &kAvx2 : &kPlain;
  return chosen;
}

}  // namespace

void GlowColumns(const GlowRun* runs, std::size_t n, const double* term, const GlowRamp& ramp, std::int32_t mirrorW) {
  Chosen()->glow(runs, n, term, ramp, mirrorW);
}

void DarkenColumns(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last) {
  Chosen()->darken(out, percent, first, last);
}

void DarkenAndMirror(std::uint32_t* out, const std::uint8_t* percent, std::int32_t first, std::int32_t last,
                     std::int32_t W) {
  Chosen()->darkenAndMirror(out, percent, first, last, W);
}

void MirrorColumns(std::uint32_t* row, std::int32_t W, std::int32_t first, std::int32_t last) {
  Chosen()->mirror(row, W, first, last);
}

void FillLongRun(std::uint32_t* out, std::int32_t n, std::uint32_t px) { Chosen()->fill(out, n, px); }

void PaintFills(std::uint32_t* base, const Fill* fill, const Fill* end, const std::uint32_t* table,
                std::ptrdiff_t room) {
  Chosen()->paint(base, fill, end, table, room);
}

bool VectorPathSupported(VectorPath path) { return path == VectorPath::Plain || ProcessorHasAvx2(); }

bool UseVectorPath(VectorPath path) {
  if (!VectorPathSupported(path)) return false;
  Chosen() = path == VectorPath::Avx2 ? &kAvx2 : &kPlain;
  return true;
}

VectorPath ActiveVectorPath() { return Chosen() == &kAvx2 ? VectorPath::Avx2 : VectorPath::Plain; }

}  // namespace gloss
