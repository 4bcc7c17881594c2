#pragma once
// A text engine for tests: every character takes a fixed cell (7 x 13 pixels unless set), and
// Print marks only the four corner pixels of each cell, so tests can find where text landed and
// see that the pixels between glyphs stay untouched.
#include <cstdint>
#include <string>
#include <vector>

#include "glossbutton/render/TextEngine.h"

namespace gloss::testing {

class FixedTextEngine : public TextEngine {
 public:
  explicit FixedTextEngine(std::int32_t cellWidth = 7, std::int32_t cellHeight = 13)
      : cellWidth_(cellWidth), cellHeight_(cellHeight) {}

  double TextWidth(const Font& font, const std::string& text) override;
  double TextHeight(const Font& font, const std::string& text) override;
  void Print(PixelView target, double x, double y, const Font& font, std::uint32_t color,
             const std::string& text) override;

  // Characters (UTF-8 code points) in text.
  static std::int32_t CharacterCount(const std::string& text);

  struct PrintCall {
    double x, y;
    std::uint32_t color;
    std::string text;
    Font font;
  };
  const std::vector<PrintCall>& Calls() const { return calls_; }

  std::int32_t CellWidth() const { return cellWidth_; }
  std::int32_t CellHeight() const { return cellHeight_; }

 private:
  std::int32_t cellWidth_;
  std::int32_t cellHeight_;
  std::vector<PrintCall> calls_;
};

}  // namespace gloss::testing
