#include "glossbutton/render/RenderContext.h"

namespace gloss {

RenderContext& RenderContext::ForThisThread() {
  thread_local RenderContext context;
  return context;
}

}  // namespace gloss
