#include "glossbutton/render/FaceCache.h"

#include <algorithm>
#include <bit>
#include <new>

namespace gloss {
namespace {

// The OLE colour (RGB, 0x00BBGGRR) of what oleColor translates to now.
std::int32_t Translated(std::int32_t oleColor) {
  const std::uint32_t px = Surface::ToPixel(oleColor);
  return static_cast<std::int32_t>(((px & 0xFFu) << 16) | (px & 0xFF00u) | ((px >> 16) & 0xFFu));
}

}  // namespace

FaceCache::Key FaceCache::KeyOf(const Surface& s, const ButtonLook& look, std::int32_t state) {
  Key key{static_cast<const FaceLook&>(look),
          state,
          s.Width(),
          s.Height(),
          s.PendingClearPixel(),
          std::bit_cast<std::uint32_t>(s.CurrentX()),
          std::bit_cast<std::uint32_t>(s.CurrentY()),
          ActiveVectorPath()};
  for (std::int32_t* colour :
       {&key.look.m_ColorButtonUp, &key.look.m_ColorButtonHover, &key.look.m_ColorButtonDown, &key.look.m_ColorBright})
    *colour = Translated(*colour);
  if (key.look.ParentBackColor) key.look.ParentBackColor = Translated(*key.look.ParentBackColor);
  return key;
}

void FaceCache::Draw(Surface& s, const ButtonLook& look, std::int32_t state, FaceRenderer render) {
  const std::int64_t pixels = std::int64_t{s.Width()} * s.Height();
  if (!enabled_ || !s.OwesClear() || pixels > kMaxFacePixels) return render(s, look, state);
  const Key key = KeyOf(s, look, state);
  for (Face& face : faces_) {
    if (!face.used || !(face.key == key)) continue;
    face.age = ++clock_;
    ++hits_;
    const Surface::Canvas canvas = s.OpenCanvas();  // overwrites every pixel: the clear is skipped
    std::copy(face.pixels.begin(), face.pixels.end(), canvas.pixels);
    s.SetCurrentX(face.currentX);
    s.SetCurrentY(face.currentY);
    return;
  }
  render(s, look, state);
  Face* slot = &faces_[0];
  for (Face& face : faces_)
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
  slot->age = ++clock_;
  slot->used = true;
}

void FaceCache::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled)
    for (Face& face : faces_) {
      face.used = false;
      std::vector<std::uint32_t>().swap(face.pixels);
    }
}

}  // namespace gloss
