#pragma once
// Everything the renderers keep from one redraw to the next, in one object: the faces last drawn,
// the last few plans and layouts of each kind of face (they depend on sizes, never on colours),
// and the scratch rows the row painters reuse. A thread draws with its own context, so controls
// on two threads never share one. Bound: at most about 7 MB a thread, the faces' 6 MB
// (FaceCache), four layouts of up to 1024 rows for each of the three kinds (some 100 KB each), and
// scratch as tall and as wide as the largest surface drawn.
#include <cstdint>
#include <vector>

#include "glossbutton/render/FaceCache.h"
#include "glossbutton/render/FlatRows.h"
#include "glossbutton/render/Style6Renderer.h"
#include "glossbutton/render/StyleNRenderer.h"

namespace gloss {

struct RenderContext {
  FaceCache faces;  // its switch turns the kept faces off for measurements
  FlatRows::Kept flat;
  StyleNKept styleN;
  Style6Kept style6;
  std::vector<std::uint32_t> mirroredRow;  // MirroredRows' half row

  // The calling thread's context.
  static RenderContext& ForThisThread();
};

}  // namespace gloss
