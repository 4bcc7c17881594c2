#pragma once
// The stored design of the main window, read from its JSON description into plain structs.
// Positions are kept both as stored (twips) and as pixels at 15 twips a pixel.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "glossbutton/render/Image.h"

class QByteArray;

namespace app {

// A broken layout: names the control (or "Form1", or the file) and the key at fault.
class LayoutError : public std::runtime_error {
 public:
  LayoutError(std::string control, std::string key, const std::string& problem);
  const std::string& Control() const { return m_Control; }
  const std::string& Key() const { return m_Key; }

 private:
  std::string m_Control;
  std::string m_Key;
};

constexpr double kTwipsPerPixel = 15.0;
// The largest width or height a layout may give: 8192 pixels, more than any screen shows (and
// the largest button face the renderers draw).
constexpr double kMaxSizeTwips = 8192 * kTwipsPerPixel;

// Twips to whole pixels, halves to even (the toolkit's rounding).
std::int32_t TwipsToPixels(double twips);

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A custom mouse cursor: an image resource and its hot spot in pixels.
struct CursorImage {
  std::string image;
  std::int32_t hotX = 0;
  std::int32_t hotY = 0;
};

// One value of a button's stored property set, typed as it was written.
struct StoredValue {
  enum class Type { Long, Boolean, Text, Font };
  Type type = Type::Long;
  std::int32_t longValue = 0;
  std::int16_t booleanValue = 0;  // -1 true, 0 false
  std::string textValue;
  gloss::Font fontValue;
};

struct StoredProperty {
  std::string key;  // lower case, as stored
  StoredValue value;
};

enum class ControlKind { WebBrowser, Timer, GlossButton, PictureBox, Label };

struct ControlLayout {
  std::string name;
  ControlKind kind = ControlKind::Label;
  double leftTwips = 0, topTwips = 0, widthTwips = 0, heightTwips = 0;
  Rect pixels;                           // width and height 0 for a timer
  std::optional<std::int32_t> tabIndex;  // none for a timer

  // WebBrowser
  bool visible = true;
  std::int32_t extentX = 0, extentY = 0;  // HIMETRIC
  std::string location;

  // Timer
  std::int32_t interval = 0;
  bool enabled = false;

  // GlossButton: the set handed to ReadProperties, in stored order
  std::vector<StoredProperty> properties;

  // PictureBox and Label
  std::string picture;
  std::int32_t backColor = 0;
  std::int32_t foreColor = 0;
  std::string caption;
  bool transparent = false;
  std::optional<gloss::Font> font;  // none: the window's default font
  std::int32_t mousePointer = 0;
  std::optional<CursorImage> mouseIcon;
};

struct FormLayout {
  std::string name;
  std::string caption;
  std::int32_t borderStyle = 0;
  bool controlBox = false;
  std::int32_t startUpPosition = 0;
  Rect clientPixels;  // design position and size of the client area
  double clientWidthTwips = 0, clientHeightTwips = 0;
  std::int32_t backColor = 0;
  std::string picture;
  std::string icon;
  std::optional<gloss::Font> font;
  std::vector<ControlLayout> controls;  // top of the stacking order first

  // nullptr when there is no control of that name.
  const ControlLayout* Find(const std::string& controlName) const;
  // Names in tab order (controls without a tab index left out).
  std::vector<std::string> TabOrder() const;
};

// Parses a layout document; throws LayoutError.
FormLayout ParseLayout(const QByteArray& json);
// Reads a layout from a file or resource path; throws LayoutError.
FormLayout LoadLayout(const std::string& path);

// Where the main window's layout lives once its resource is linked in.
inline constexpr const char* kForm1LayoutPath = ":/layout/Form1.json";

}  // namespace app
