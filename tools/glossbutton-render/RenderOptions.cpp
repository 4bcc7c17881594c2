#include "RenderOptions.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>

namespace render_tool {
namespace {

constexpr double kMaxDeviceSide = 8192;
constexpr std::int32_t kGallerySmallest = 25;  // the gallery's small buttons, 25 x 25

bool EndsWith(const std::string& s, const std::string& suffix) {
  if (s.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = s[s.size() - suffix.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) return false;
  }
  return true;
}

// A decimal number, the whole text and nothing else (no spaces, no hex, no inf or nan): the same
// rule as the whole numbers.
bool ParseDecimal(const std::string& text, double& v) {
  static const std::regex kDecimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  if (!std::regex_match(text, kDecimal)) return false;
  char* end = nullptr;
  errno = 0;
  v = std::strtod(text.c_str(), &end);
  return *end == '\0' && errno == 0 && std::isfinite(v);
}

double ParseDouble(const std::string& option, const std::string& text) {
  double v = 0;
  if (!ParseDecimal(text, v) || v <= 0) throw UsageError(option + ": not a positive number: '" + text + "'");
  return v;
}

double ParseScale(const std::string& option, const std::string& text) {
  double v = 0;
  if (!ParseDecimal(text, v) || v <= 0 || v > 8)
    throw UsageError(option + ": must be a number above 0 and at most 8: '" + text + "'");
  return v;
}

// Whole device pixels, as the control works them out: nearest, halves to even.
double DeviceSize(std::int32_t size, double scale) { return std::nearbyint(static_cast<double>(size) * scale); }

}  // namespace

std::int32_t ParseInt32(const std::string& option, const std::string& text) {
  const auto bad = [&] { return UsageError(option + ": not a 32-bit number: '" + text + "'"); };
  if (text.empty()) throw bad();
  char* end = nullptr;
  errno = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!std::isxdigit(static_cast<unsigned char>(text[2]))) throw bad();
    const unsigned long long v = std::strtoull(text.c_str() + 2, &end, 16);
    if (*end != '\0' || errno != 0 || v > 0xFFFFFFFFull) throw bad();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }
  const char first = text[0] == '-' || text[0] == '+' ? (text.size() > 1 ? text[1] : '\0') : text[0];
  if (!std::isdigit(static_cast<unsigned char>(first))) throw bad();
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || v < std::numeric_limits<std::int32_t>::min() ||
      v > std::numeric_limits<std::int32_t>::max())
    throw bad();
  return static_cast<std::int32_t>(v);
}

RenderOptions ParseOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  bool haveStyle = false, haveState = false, haveWidth = false, haveHeight = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& opt = args[i];
    if (opt == "--checked") {
      o.checked = true;
      continue;
    }
    if (opt.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + opt + "'");
    static const char* const kKnown[] = {
        "--style",     "--state",   "--width",     "--height",      "--up",       "--hover",   "--down",
        "--bright",    "--border",  "--scheme",    "--parent-back", "--fore",     "--caption", "--font",
        "--font-size", "--picture", "--alignment", "--out",         "--mask-out", "--gallery", "--scale"};
    bool known = false;
    for (const char* k : kKnown) known = known || opt == k;
    if (!known) throw UsageError("unknown option '" + opt + "'");
    if (i + 1 >= args.size()) throw UsageError(opt + ": missing value");
    const std::string& v = args[++i];

    if (opt == "--style")
      o.style = ParseInt32(opt, v), haveStyle = true;
    else if (opt == "--state")
      o.state = ParseInt32(opt, v), haveState = true;
    else if (opt == "--width")
      o.width = ParseInt32(opt, v), haveWidth = true;
    else if (opt == "--height")
      o.height = ParseInt32(opt, v), haveHeight = true;
    else if (opt == "--up")
      o.up = ParseInt32(opt, v);
    else if (opt == "--hover")
      o.hover = ParseInt32(opt, v);
    else if (opt == "--down")
      o.down = ParseInt32(opt, v);
    else if (opt == "--bright")
      o.bright = ParseInt32(opt, v);
    else if (opt == "--border")
      o.border = ParseInt32(opt, v);
    else if (opt == "--scheme")
      o.scheme = ParseInt32(opt, v);
    else if (opt == "--parent-back")
      o.parentBack = ParseInt32(opt, v);
    else if (opt == "--fore")
      o.fore = ParseInt32(opt, v);
    else if (opt == "--alignment")
      o.alignment = ParseInt32(opt, v);
    else if (opt == "--caption")
      o.caption = v;
    else if (opt == "--font")
      o.fontName = v;
    else if (opt == "--font-size")
      o.fontSize = ParseDouble(opt, v);
    else if (opt == "--picture")
      o.picture = v;
    else if (opt == "--out")
      o.out = v;
    else if (opt == "--mask-out")
      o.maskOut = v;
    else if (opt == "--gallery")
      o.gallery = v;
    else if (opt == "--scale")
      o.scale = ParseScale(opt, v);
  }

  if (!o.gallery.empty()) {
    if (!EndsWith(o.gallery, ".png")) throw UsageError("--gallery: the sheet is written as .png");
    if (DeviceSize(kGallerySmallest, o.scale) < 1)
      throw UsageError("--scale: the gallery's smallest button would be less than 1 x 1 device pixels");
    return o;
  }
  if (!haveStyle) throw UsageError("--style is required");
  if (!haveState) throw UsageError("--state is required");
  if (!haveWidth || !haveHeight) throw UsageError("--width and --height are required");
  if (o.width < 1 || o.width > 8192) throw UsageError("--width: must be 1 to 8192");
  if (o.height < 1 || o.height > 8192) throw UsageError("--height: must be 1 to 8192");
  // The limit is on what is drawn: the size in device pixels.
  const double deviceWidth = DeviceSize(o.width, o.scale), deviceHeight = DeviceSize(o.height, o.scale);
  if (deviceWidth < 1 || deviceHeight < 1)
    throw UsageError("--scale: the button would be less than 1 x 1 device pixels");
  if (deviceWidth > kMaxDeviceSide || deviceHeight > kMaxDeviceSide)
    throw UsageError("--scale: the button would be " + std::to_string(static_cast<long long>(deviceWidth)) + " x " +
                     std::to_string(static_cast<long long>(deviceHeight)) + " device pixels, more than 8192 a side");
  if (o.out.empty()) throw UsageError("--out is required");
  if (!EndsWith(o.out, ".ppm") && !EndsWith(o.out, ".png")) throw UsageError("--out: use a .ppm or .png name");
  if (!o.maskOut.empty() && !EndsWith(o.maskOut, ".pbm")) throw UsageError("--mask-out: use a .pbm name");
  return o;
}

std::string Usage() {
  return "usage: glossbutton-render --style S --state N --width W --height H\n"
         "    [--up C] [--hover C] [--down C] [--bright C] [--border B] [--scheme K]\n"
         "    [--parent-back C] [--fore C] [--caption TEXT] [--font NAME] [--font-size PT]\n"
         "    [--picture FILE] [--alignment A] [--checked]\n"
         "    [--scale R] --out FILE.ppm|FILE.png [--mask-out FILE.pbm]\n"
         "  or: glossbutton-render --gallery FILE.png [--scale R]\n"
         "R: device pixel ratio above 0 and at most 8 (default 1); the image is R times the size,\n"
         "   from 1 x 1 to 8192 x 8192 device pixels\n"
         "C: OLE colour 0x00BBGGRR, decimal or 0x hex\n";
}

}  // namespace render_tool
