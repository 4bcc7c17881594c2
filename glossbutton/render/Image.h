#pragma once
/// \file
/// Value types shared by the control, its renderers and the host: a raster image, a font and a
/// picture. Pixels are 0xFFRRGGBB (the host's 32-bit RGB format), row-major, no padding.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gloss {

/// A raster image: what the control publishes to its host, and a picture's pixels.
struct Image {
  std::int32_t width = 0;             ///< In pixels.
  std::int32_t height = 0;            ///< In pixels.
  std::vector<std::uint32_t> pixels;  ///< width * height, 0xFFRRGGBB

  Image() = default;  ///< An empty image.
  /// A w by h image filled with fill.
  Image(std::int32_t w, std::int32_t h, std::uint32_t fill = 0xFFFFFFFFu)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  /// The pixel at (x, y), which must be inside.
  std::uint32_t At(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
  bool operator==(const Image&) const = default;  ///< Same size, same pixels.
};

/// 0x00BBGGRR (OLE, plain RGB only) <-> 0xFFRRGGBB.
///@{
constexpr std::uint32_t OleToPixel(std::int32_t ole) {
  const auto c = static_cast<std::uint32_t>(ole);
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr std::int32_t PixelToOle(std::uint32_t px) {
  return static_cast<std::int32_t>(((px >> 16) & 0xFFu) | (px & 0xFF00u) | ((px & 0xFFu) << 16));
}
///@}

/// A font is a value: two fonts with the same fields are the same font.
struct Font {
  std::string name = "Tahoma";                   ///< The face name.
  double size = 9.0;                             ///< points
  std::int16_t weight = 400;                     ///< 400 normal, 700 bold.
  std::int16_t charset = 0;                      ///< The character set number the host stores.
  bool italic = false;                           ///< Italic.
  bool underline = false;                        ///< Underlined.
  bool strikethrough = false;                    ///< Struck through.
  bool bold() const { return weight >= 700; }    ///< Weight 700 or more.
  bool operator==(const Font&) const = default;  ///< All fields equal.
};

/// A picture: its pixels and its extent in HIMETRIC (0.01 mm), as the host reports it.
struct Picture {
  Image image;                      ///< Its pixels.
  std::int32_t widthHimetric = 0;   ///< Its width in HIMETRIC.
  std::int32_t heightHimetric = 0;  ///< Its height in HIMETRIC.
};
using PicturePtr = std::shared_ptr<const Picture>;  ///< A picture is shared, never changed.

/// HIMETRIC <-> pixels at the design resolution of 96 dots per inch.
constexpr double kHimetricPerPixel = 2540.0 / 96.0;

}  // namespace gloss
