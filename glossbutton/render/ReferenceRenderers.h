#pragma once
// The plain renderers, one surface operation per pixel or line, every shape test and blend done
// in full: slow and obviously right. The glossy ones (Styles 2 to 6) are written apart from their
// fast renderers, so that every fast path's arithmetic is checked against them pixel for pixel;
// the flat ones (Styles 0 and 1) are their fast renderers' own drawing with the surface pen. The
// fast renderers hand over to them for inputs outside the ranges their shortcuts cover.
#include <cstdint>
#include <memory>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/FaceParams.h"
#include "glossbutton/render/Surface.h"

namespace gloss::reference {

void RenderStyle0(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);
void RenderStyle1(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

void DrawStyleNFace(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour, const FaceParams& P);
void RenderStyleN(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

void DrawStyle6Face(Surface& surface, const ButtonLook& look, std::int32_t X0, std::int32_t Y0, std::int32_t W,
                    std::int32_t H, std::int32_t Colour);
void RenderStyle6(Surface& surface, const ButtonLook& look, const std::int32_t& ButtonState);

// The whole redraw with the plain renderers; caption, picture, publishing and clearing are shared.
std::shared_ptr<const Image> RedrawButton(Surface& surface, const ButtonLook& look, std::int32_t& state);

}  // namespace gloss::reference
