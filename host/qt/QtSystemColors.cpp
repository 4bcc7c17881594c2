#include "host/qt/QtSystemColors.h"

namespace host {

using namespace platform;

COLORREF ToColorRef(const QColor& color) {
  return static_cast<COLORREF>(color.red()) | (static_cast<COLORREF>(color.green()) << 8) |
         (static_cast<COLORREF>(color.blue()) << 16);
}

QColor FromColorRef(COLORREF color) {
  return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                static_cast<int>((color >> 16) & 0xFFu));
}

SystemColorTable SystemColorsFromPalette(const QPalette& palette) {
  SystemColorTable t = DefaultSystemColorTable();
  auto set = [&](int index, QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    t[static_cast<std::size_t>(index)] = ToColorRef(palette.color(group, role));
  };
  set(COLOR_SCROLLBAR, QPalette::Midlight);
  set(COLOR_BACKGROUND, QPalette::Dark);
  set(COLOR_ACTIVECAPTION, QPalette::Highlight);
  set(3, QPalette::Mid);     // inactive caption
  set(4, QPalette::Window);  // menu
  set(COLOR_WINDOW, QPalette::Base);
  set(6, QPalette::Shadow);      // window frame
  set(7, QPalette::WindowText);  // menu text
  set(COLOR_WINDOWTEXT, QPalette::Text);
  set(9, QPalette::HighlightedText);  // caption text
  set(10, QPalette::Button);          // active border
  set(11, QPalette::Button);          // inactive border
  set(12, QPalette::Mid);             // application workspace
  set(COLOR_HIGHLIGHT, QPalette::Highlight);
  set(14, QPalette::HighlightedText);
  set(COLOR_BTNFACE, QPalette::Button);
  set(COLOR_BTNSHADOW, QPalette::Dark);
  set(17, QPalette::Text, QPalette::Disabled);  // grey text
  set(COLOR_BTNTEXT, QPalette::ButtonText);
  set(19, QPalette::WindowText, QPalette::Disabled);  // inactive caption text
  set(COLOR_BTNHIGHLIGHT, QPalette::Light);
  set(21, QPalette::Shadow);    // 3D dark shadow
  set(22, QPalette::Midlight);  // 3D light
  set(23, QPalette::ToolTipText);
  set(24, QPalette::ToolTipBase);
  set(26, QPalette::Link);       // hot-tracked item
  set(29, QPalette::Highlight);  // menu highlight
  set(COLOR_MENUBAR, QPalette::Window);
  return t;
}

}  // namespace host
