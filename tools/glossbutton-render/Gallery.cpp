#include "Gallery.h"

#include <cmath>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "ButtonRenderer.h"
#include "OutputFiles.h"

namespace render_tool {
namespace {

constexpr int kLabelWidth = 70;
constexpr int kHeaderHeight = 30;
constexpr int kGap = 12;
constexpr int kSmall = 25;
constexpr int kBigWidth = 120;
constexpr int kBigHeight = 40;
constexpr int kColumnWidth = kSmall + kGap + kBigWidth + 2 * kGap;
constexpr int kRowHeight = kBigHeight + 2 * kGap;
constexpr QRgb kSheet = 0xFFF0F0F0;  // also the buttons' parent background

const char* const kStateNames[] = {"0 up", "1 pressed", "2 focused", "3 hover", "4 checked"};

// Only the pixels inside the shape, as the window region shows them.
void Paste(QImage& sheet, const RenderedButton& b, int left, int top) {
  for (int y = 0; y < b.image.height; ++y)
    for (int x = 0; x < b.image.width; ++x)
      if (b.mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.image.width) + static_cast<std::size_t>(x)])
        sheet.setPixel(left + x, top + y, b.image.At(x, y));
}

}  // namespace

void WriteGallery(const std::string& pngPath, gloss::TextEngine& text, double scale) {
  // Sheet positions in device pixels.
  const auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  const int width = at(kLabelWidth + 5 * kColumnWidth);
  const int height = at(kHeaderHeight + 7 * kRowHeight);
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(kSheet);

  QPainter painter(&sheet);
  QFont labelFont("DejaVu Sans");
  labelFont.setPixelSize(at(12));
  painter.setFont(labelFont);
  painter.setPen(QColor(40, 40, 40));
  for (int state = 0; state < 5; ++state)
    painter.drawText(QRect(at(kLabelWidth + state * kColumnWidth), 0, at(kColumnWidth), at(kHeaderHeight)),
                     Qt::AlignCenter, kStateNames[state]);
  for (int style = 0; style < 7; ++style)
    painter.drawText(QRect(at(8), at(kHeaderHeight + style * kRowHeight), at(kLabelWidth - 8), at(kRowHeight)),
                     Qt::AlignVCenter | Qt::AlignLeft, QString("Style %1").arg(style));
  painter.end();

  for (int style = 0; style < 7; ++style) {
    for (int state = 0; state < 5; ++state) {
      RenderOptions o;
      o.style = style;
      o.state = state;
      o.parentBack = static_cast<std::int32_t>(kSheet & 0xFFFFFF);  // grey: the same in RGB and OLE order
      o.scale = scale;
      const int left = kLabelWidth + state * kColumnWidth + kGap;
      const int top = kHeaderHeight + style * kRowHeight + kGap;

      o.width = o.height = kSmall;
      o.caption = "\xC3\x97";
      Paste(sheet, RenderButton(o, text, nullptr), at(left), at(top + (kBigHeight - kSmall) / 2));

      o.width = kBigWidth;
      o.height = kBigHeight;
      o.caption = "Caption";
      Paste(sheet, RenderButton(o, text, nullptr), at(left + kSmall + kGap), at(top));
    }
  }

  gloss::Image out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          sheet.pixel(x, y);
  WriteAllOrNothing({{pngPath, EncodePng(out)}});
}

}  // namespace render_tool
