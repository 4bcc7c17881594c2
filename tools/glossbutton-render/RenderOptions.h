#pragma once
// The command line of glossbutton-render, parsed and checked before anything is drawn.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace render_tool {

// A bad argument: the message is the whole one-line complaint.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RenderOptions {
  std::int32_t style = 0;
  std::int32_t state = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  // Stored values (OLE colours, brightness, alignment); absent ones take the reading defaults.
  std::optional<std::int32_t> up, hover, down, bright, border, fore, alignment;
  std::optional<std::int32_t> scheme;      // assigned through the setter afterwards
  std::optional<std::int32_t> parentBack;  // the host's background colour
  std::optional<std::string> caption;
  std::optional<std::string> fontName;
  std::optional<double> fontSize;
  std::optional<std::string> picture;
  bool checked = false;
  double scale = 1.0;  // device pixel ratio: the image has the size times this, drawn at that resolution

  std::string out;      // .ppm or .png
  std::string maskOut;  // .pbm, optional
  std::string gallery;  // .png: the sheet of every style and state instead of one button
};

// Throws UsageError for an unknown option, a missing or malformed value, a size outside 1 to
// 8192 or one that --scale takes outside 1 to 8192 device pixels, a --scale that is not a number
// above 0 and at most 8, an output name with the wrong extension, or a missing required option.
// Numbers are the whole text: no spaces around them.
RenderOptions ParseOptions(const std::vector<std::string>& args);

// Decimal (optionally signed) or 0x hex up to 32 bits, the whole text; hex is taken as the bit
// pattern (0x8000000F is a system colour).
std::int32_t ParseInt32(const std::string& option, const std::string& text);

std::string Usage();

}  // namespace render_tool
