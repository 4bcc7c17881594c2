// The four colour setters, BorderBrightness, and ColorScheme with its table of colour sets.
#include <array>

#include "glossbutton/GlossButton.h"
#include "glossbutton/render/DrawState.h"
#include "glossbutton/render/ColorHelpers.h"

namespace gloss {

namespace {

struct SchemeColors {
  std::int32_t up, hover, down, bright;
};

// Rows for schemes 1 to 6, as OLE colours 0x00BBGGRR.
constexpr std::array<SchemeColors, 6> kSchemes{{
    {0xD06720, 0xE99950, 0xA06710, 0xFFEDB0},  // 1 blue
    {0xD09060, 0xE06000, 0xA98050, 0xFFFAFA},  // 2 light blue
    {0x800000, 0xA00000, 0xF00000, 0xFF0000},  // 3 pure blue
    {0x000080, 0x0000A0, 0x0000F0, 0x0000FF},  // 4 red
    {0x008000, 0x00A000, 0x00C000, 0x00FF00},  // 5 green
    {0x008080, 0x00A0A0, 0x00C0C0, 0x00FFFF},  // 6 yellow
}};

}  // namespace

void GlossButton::GetRGB(std::int32_t& R, std::int32_t& G, std::int32_t& b, std::int32_t Color) const {
  ::gloss::GetRGB(R, G, b, Color);
}

std::int32_t GlossButton::BlendColors(std::int32_t Color1, std::int32_t Color2, std::int32_t& Percentage) const {
  return ::gloss::BlendColors(Color1, Color2, Percentage);
}

void GlossButton::SetColor(std::int32_t& member, std::int32_t newValue, const char* changedName) {
  member = newValue;
  // The user's own colour: the scheme number no longer describes the colours.
  if (m_ColorScheme != 0) {
    m_ColorScheme = 0;
    m_Host.PropertyChanged("m_ColorScheme");
  }
  m_Host.PropertyChanged(changedName);
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetColorButtonUp(std::int32_t newValue) { SetColor(m_ColorButtonUp, newValue, "m_ColorButtonUp"); }
void GlossButton::SetColorButtonHover(std::int32_t newValue) {
  SetColor(m_ColorButtonHover, newValue, "m_ColorButtonHover");
}
void GlossButton::SetColorButtonDown(std::int32_t newValue) {
  SetColor(m_ColorButtonDown, newValue, "m_ColorButtonDown");
}
void GlossButton::SetColorBright(std::int32_t newValue) { SetColor(m_ColorBright, newValue, "m_ColorBright"); }

void GlossButton::SetBorderBrightness(std::int32_t newValue) {
  m_BorderBrightness = ClampValue(newValue, -100, 100);
  m_Host.PropertyChanged("m_BorderBrightness");
  DrawState state = DrawState::Up;
  Redraw(state);
}

void GlossButton::SetColorScheme(std::int32_t newValue) {
  if (newValue >= 1 && newValue <= 6) {
    const SchemeColors& row = kSchemes[static_cast<std::size_t>(newValue - 1)];
    // Through the setters: each notifies and redraws, and the first resets the old scheme.
    SetColorButtonUp(row.up);
    SetColorButtonHover(row.hover);
    SetColorButtonDown(row.down);
    SetColorBright(row.bright);
  }
  // Stored last so that the resets above do not wipe it.
  m_ColorScheme = newValue;
  m_Host.PropertyChanged("m_ColorScheme");
  DrawState state = DrawState::Up;
  Redraw(state);
}

}  // namespace gloss
