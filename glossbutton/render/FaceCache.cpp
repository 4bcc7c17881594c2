#include "glossbutton/render/FaceCache.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <vector>

#include "glossbutton/render/VectorPath.h"

namespace gloss {
namespace {

struct FaceKey {
  std::int32_t style, state, width, height;
  std::uint32_t clearPixel;
  std::uint32_t scaleWidth, scaleHeight;  // bit patterns: a NaN never matches, nothing else is confused
  std::int32_t radius, borderBrightness;
  std::uint64_t ratio;
  std::uint32_t up, hover, down, bright;
  bool hasBack;
  std::uint32_t back;
  std::uint32_t currentX, currentY;
  VectorPath path;  // the same pixels either way, but each path's own drawing is what a test compares
  bool operator==(const FaceKey&) const = default;
};

struct Face {
  FaceKey key{};
  std::uint64_t age = 0;
  bool used = false;
  std::vector<std::uint32_t> pixels;
  float currentX = 0, currentY = 0;  // where the renderer left the current position
};

struct Cache {
  std::array<Face, kMaxFaces> faces;
  std::uint64_t clock = 0;
};

Cache& TheCache() {
  thread_local Cache cache;
  return cache;
}

std::uint64_t& Hits() {
  thread_local std::uint64_t hits = 0;
  return hits;
}

bool& Enabled() {
  static bool enabled = true;
  return enabled;
}

FaceKey KeyOf(const Surface& s, const ButtonLook& look, std::int32_t state) {
  return {look.Style,
          state,
          s.Width(),
          s.Height(),
          s.PendingClearPixel(),
          std::bit_cast<std::uint32_t>(look.ScaleWidth),
          std::bit_cast<std::uint32_t>(look.ScaleHeight),
          look.m_CornerRadius,
          look.m_BorderBrightness,
          std::bit_cast<std::uint64_t>(look.DevicePixelRatio),
          Surface::ToPixel(look.m_ColorButtonUp),
          Surface::ToPixel(look.m_ColorButtonHover),
          Surface::ToPixel(look.m_ColorButtonDown),
          Surface::ToPixel(look.m_ColorBright),
          look.ParentBackColor.has_value(),
          look.ParentBackColor ? Surface::ToPixel(*look.ParentBackColor) : 0u,
          std::bit_cast<std::uint32_t>(s.CurrentX()),
          std::bit_cast<std::uint32_t>(s.CurrentY()),
          ActiveVectorPath()};
}

}  // namespace

void DrawCachedFace(Surface& s, const ButtonLook& look, std::int32_t state, FaceRenderer render) {
  const std::int64_t pixels = std::int64_t{s.Width()} * s.Height();
  if (!Enabled() || !s.OwesClear() || pixels > kMaxFacePixels) return render(s, look, state);
  Cache& cache = TheCache();
  const FaceKey key = KeyOf(s, look, state);
  for (Face& face : cache.faces) {
    if (!face.used || !(face.key == key)) continue;
    face.age = ++cache.clock;
    ++Hits();
    const Surface::Canvas canvas = s.OpenCanvas();  // overwrites every pixel: the clear is skipped
    std::copy(face.pixels.begin(), face.pixels.end(), canvas.pixels);
    s.SetCurrentX(face.currentX);
    s.SetCurrentY(face.currentY);
    return;
  }
  render(s, look, state);
  Face* slot = &cache.faces[0];
  for (Face& face : cache.faces)
    if (!face.used || face.age < slot->age) slot = &face;
  slot->used = false;
  const Image& drawn = s.Pixels();
  try {
    slot->pixels.assign(drawn.pixels.begin(), drawn.pixels.end());
  } catch (const std::bad_alloc&) {
    return;  // the face is drawn; it is only not kept
  }
  slot->currentX = s.CurrentX();
  slot->currentY = s.CurrentY();
  slot->key = key;
  slot->age = ++cache.clock;
  slot->used = true;
}

void SetFaceCacheEnabled(bool enabled) {
  Enabled() = enabled;
  if (!enabled)
    for (Face& face : TheCache().faces) {
      face.used = false;
      std::vector<std::uint32_t>().swap(face.pixels);
    }
}

bool FaceCacheEnabled() { return Enabled(); }

std::uint64_t FaceCacheHits() { return Hits(); }

}  // namespace gloss
