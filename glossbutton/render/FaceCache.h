#pragma once
// The faces last drawn, kept so that a redraw of a face already drawn, as hover and press go
// back and forth between two or three faces, copies it instead of drawing it again: on a small
// button the drawing's fixed costs weigh more than the pixels, on a large glossy one the pixels. A face is found by
// every value its renderer reads: the style and state, the surface's size and the colour of the clear it owes, the
// look's sizes, radius, border brightness and device pixel ratio, and each colour (the host's too) as it translates now
// (so a changed system colour or scheme is a different face), and the current position. Only a surface that owes its
// clear is served, since then the face does not depend on what the surface held.
#include <cstdint>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

using FaceRenderer = void (*)(Surface&, const ButtonLook&, const std::int32_t&);

// Draws what render(s, look, state) draws, from the cache when it holds that face; otherwise
// calls render and keeps a copy of the result. If render throws, nothing is kept.
void DrawCachedFace(Surface& s, const ButtonLook& look, std::int32_t state, FaceRenderer render);

// Bounds: faces of up to kMaxFacePixels pixels, at most kMaxFaces of them per thread (6 MB).
inline constexpr std::int32_t kMaxFaces = 6;
inline constexpr std::int64_t kMaxFacePixels = 256 * 1024;

// On by default; off, every face is drawn (measurements of the drawing itself). Dropping the
// faces kept is part of switching off.
void SetFaceCacheEnabled(bool enabled);
bool FaceCacheEnabled();
// Redraws this thread served from the cache so far.
std::uint64_t FaceCacheHits();

}  // namespace gloss
