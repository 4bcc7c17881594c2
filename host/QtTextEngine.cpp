#include "host/QtTextEngine.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace host {
namespace {

// Song (宋体) is what the stored design asks for; on this system the Ming face stands in.
const char* const kMingCandidates[] = {"AR PL UMing CN", "AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK SC",
                                       "AR PL SungtiL GB"};
// The Tahoma shipped for Wine is not on fontconfig's path; load it so captions use the stored face.
const char* const kTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};

QString g_SongFace;

void SetUpFontsOnce() {
  static const bool done = [] {
    QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)) {
      for (const char* file : kTahomaFiles) QFontDatabase::addApplicationFont(QString::fromLatin1(file));
      families = QFontDatabase::families();
    }
    for (const char* face : kMingCandidates) {
      if (families.contains(QString::fromUtf8(face))) {
        g_SongFace = QString::fromUtf8(face);
        break;
      }
    }
    if (!g_SongFace.isEmpty()) {
      QFont::insertSubstitution(QString::fromUtf8("宋体"), g_SongFace);
      QFont::insertSubstitution(QStringLiteral("SimSun"), g_SongFace);
      QFont::insertSubstitution(QString::fromUtf8("新宋体"), g_SongFace);
      QFont::insertSubstitution(QStringLiteral("NSimSun"), g_SongFace);
    }
    return true;
  }();
  (void)done;
}

QStringList Lines(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(QLatin1Char('\n'));
}

}  // namespace

QtTextEngine::QtTextEngine() { SetUpFontsOnce(); }

QString QtTextEngine::SongFace() {
  SetUpFontsOnce();
  return g_SongFace;
}

QFont QtTextEngine::ToQFont(const gloss::Font& font) {
  SetUpFontsOnce();
  QFont f(QString::fromStdString(font.name));
  const double pixels = std::nearbyint(font.size * 96.0 / 72.0);
  f.setPixelSize(static_cast<int>(std::clamp(pixels, 1.0, 4096.0)));
  f.setWeight(static_cast<QFont::Weight>(std::clamp<int>(font.weight == 0 ? 400 : font.weight, 1, 1000)));
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikethrough);
  return f;
}

double QtTextEngine::TextWidth(const gloss::Font& font, const std::string& text) {
  const QFontMetricsF metrics(ToQFont(font));
  double width = 0;
  for (const QString& line : Lines(text)) {
    // Italic and some glyphs reach past their advance; the box must hold the ink.
    const double ink = line.isEmpty() ? 0.0 : metrics.boundingRect(line).right();
    width = std::max({width, metrics.horizontalAdvance(line), ink});
  }
  return width;
}

double QtTextEngine::TextHeight(const gloss::Font& font, const std::string& text) {
  const QFontMetricsF metrics(ToQFont(font));
  return metrics.height() * static_cast<double>(Lines(text).size());
}

void QtTextEngine::Print(gloss::PixelView target, double x, double y, const gloss::Font& font,
                         std::uint32_t color, const std::string& text) {
  if (!target.pixels || target.width <= 0 || target.height <= 0 || target.stride < target.width || text.empty()) {
    return;
  }
  QImage image(reinterpret_cast<uchar*>(target.pixels), target.width, target.height,
               static_cast<qsizetype>(target.stride) * 4, QImage::Format_RGB32);
  const QFont qfont = ToQFont(font);
  const QFontMetricsF metrics(qfont);
  QPainter painter(&image);
  painter.setFont(qfont);
  painter.setPen(QColor::fromRgb(color));
  // Nothing outside the measured box: a glyph that bears left of the pen is cut rather than
  // spilling onto pixels the caller did not account for.
  painter.setClipRect(QRectF(x, y, TextWidth(font, text), TextHeight(font, text)));
  double baseline = y + metrics.ascent();
  for (const QString& line : Lines(text)) {
    painter.drawText(QPointF(x, baseline), line);
    baseline += metrics.height();
  }
}

}  // namespace host
