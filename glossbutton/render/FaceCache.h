#pragma once
// The faces last drawn. Hover and press move a button between two or three faces, and a redraw of
// a face already drawn copies it instead of drawing it again. A face is found by everything its
// renderer reads: the FaceLook with its colours as they translate now (a changed system colour is
// a different face), the state, the surface's size, the clear it owes and its current position,
// and the vector path. Only a surface that owes its clear is served, since only then the face does
// not depend on what the surface held.
#include <array>
#include <cstdint>
#include <vector>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/Surface.h"
#include "glossbutton/render/VectorPath.h"

namespace gloss {

using FaceRenderer = void (*)(Surface&, const ButtonLook&, const std::int32_t&);

class FaceCache {
 public:
  // Faces of up to kMaxFacePixels pixels, at most kMaxFaces of them: 6 MB at most.
  static constexpr std::int32_t kMaxFaces = 6;
  static constexpr std::int64_t kMaxFacePixels = 256 * 1024;

  // Draws what render(s, look, state) draws, from the cache when it holds that face; otherwise
  // calls render and keeps a copy of the result. If render throws, nothing is kept.
  void Draw(Surface& s, const ButtonLook& look, std::int32_t state, FaceRenderer render);

  // On by default; off, every face is drawn (measurements of the drawing itself), and the faces
  // kept are dropped.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Redraws served from the cache so far.
  std::uint64_t Hits() const { return hits_; }

 private:
  struct Key {
    FaceLook look;  // colours translated
    std::int32_t state, width, height;
    std::uint32_t clearPixel;
    std::uint32_t currentX, currentY;  // bit patterns: a NaN never matches, nothing else is confused
    VectorPath path;  // the same pixels either way, but each path's own drawing is what a test compares
    bool operator==(const Key&) const = default;
  };
  struct Face {
    Key key{};
    std::uint64_t age = 0;
    bool used = false;
    std::vector<std::uint32_t> pixels;
    float currentX = 0, currentY = 0;  // where the renderer left the current position
  };
  static Key KeyOf(const Surface& s, const ButtonLook& look, std::int32_t state);

  std::array<Face, kMaxFaces> faces_;
  std::uint64_t clock_ = 0;
  std::uint64_t hits_ = 0;
  bool enabled_ = true;
};

}  // namespace gloss
