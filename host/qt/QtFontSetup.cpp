#include "host/qt/QtFontSetup.h"

#include <QFontDatabase>
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

}  // namespace

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

QString SongFace() {
  SetUpFontsOnce();
  return g_SongFace;
}

QFont ToQFont(const gloss::Font& font) {
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

}  // namespace host
