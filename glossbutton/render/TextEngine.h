#pragma once
/// \file
/// Text measurement and output for the drawing surface. TextWidth/TextHeight must measure
/// exactly what Print draws.
#include <cstdint>
#include <string>

#include "glossbutton/render/Image.h"

namespace gloss {

/// Where text lands: the surface's own pixel buffer (0xFFRRGGBB, stride in pixels).
struct PixelView {
  std::uint32_t* pixels = nullptr;  ///< The first row.
  std::int32_t width = 0;           ///< In pixels.
  std::int32_t height = 0;          ///< In rows.
  std::int32_t stride = 0;          ///< From one row to the next, in pixels.
};

/// Text measurement and output for the drawing surface, which a host serves (ControlHost::Text).
/// TextWidth and TextHeight must measure exactly what Print draws.
class TextEngine {
 public:
  virtual ~TextEngine() = default;  ///< Deleted through this interface.
  /// Extent of a UTF-8 string in pixels.
  ///@{
  virtual double TextWidth(const Font& font, const std::string& text) = 0;
  virtual double TextHeight(const Font& font, const std::string& text) = 0;
  ///@}
  /// Draws text with its top-left corner at (x, y) in the given colour (0xFFRRGGBB), touching only
  /// the glyphs' pixels and clipping to the view.
  virtual void Print(PixelView target, double x, double y, const Font& font, std::uint32_t color,
                     const std::string& text) = 0;
};

}  // namespace gloss
