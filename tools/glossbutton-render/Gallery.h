#pragma once
// One labelled sheet with every style (rows) in every state (columns), each at 25 x 25 and at
// 120 x 40, drawn with the reading defaults and clipped by the window shape as a form shows it.
#include <string>

#include "glossbutton/render/TextEngine.h"

namespace render_tool {

// At a scale other than 1 the whole sheet is drawn at that device pixel ratio (scale times the
// size, every button drawn at that resolution). Throws std::runtime_error when the sheet cannot
// be written.
void WriteGallery(const std::string& pngPath, gloss::TextEngine& text, double scale = 1.0);

}  // namespace render_tool
