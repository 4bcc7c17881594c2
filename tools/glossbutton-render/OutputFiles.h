#pragma once
// Encoding the rendered button and writing the outputs all or nothing: every file goes to a
// temporary name beside its target first and is renamed only when all of them were written.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "glossbutton/render/Image.h"

namespace render_tool {

// An output that cannot be written (a bad --out, --mask-out or --gallery name).
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Bytes = std::vector<char>;

Bytes EncodePpm(const gloss::Image& image);  // binary P6
Bytes EncodePng(const gloss::Image& image);
// Binary P4; a set bit (black) marks a pixel inside the shape.
Bytes EncodePbm(const std::vector<bool>& inside, std::int32_t width, std::int32_t height);
// PNG for a .png name, PPM otherwise.
Bytes EncodeImageFor(const std::string& path, const gloss::Image& image);

// Throws OutputError naming the file that could not be written; nothing is left behind.
void WriteAllOrNothing(const std::vector<std::pair<std::string, Bytes>>& files);

}  // namespace render_tool
