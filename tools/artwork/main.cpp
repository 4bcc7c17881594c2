// Writes the program's artwork into the folder given on the command line.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>

#include "Scenes.h"

namespace {

bool Fail(const QString& message) {
  std::fprintf(stderr, "korvane-artwork: %s\n", qPrintable(message));
  return false;
}

bool Save(const QImage& image, const QString& path, const char* format) {
  if (!image.save(path, format)) return Fail("cannot write " + path);
  return true;
}

// A 24-bit icon (one image, colour plus a one-bit transparency mask); Qt's writer would store 32 bits.
bool SaveIcon24(const QImage& argb, const QString& path) {
  const int w = argb.width(), h = argb.height();
  const int xorRow = (w * 3 + 3) & ~3, andRow = ((w + 31) / 32) * 4;
  const quint32 dibSize = 40 + quint32(xorRow + andRow) * h;
  QByteArray out;
  auto u16 = [&](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
  };
  auto u32 = [&](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
  };
  u16(0);
  u16(1);
  u16(1);
  out.append(char(w == 256 ? 0 : w));
  out.append(char(h == 256 ? 0 : h));
  out.append(char(0));
  out.append(char(0));
  u16(1);
  u16(24);
  u32(dibSize);
  u32(6 + 16);
  u32(40);
  u32(w);
  u32(h * 2);
  u16(1);
  u16(24);
  u32(0);
  u32(dibSize - 40);
  u32(0);
  u32(0);
  u32(0);
  u32(0);
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(xorRow, 0);
    for (int x = 0; x < w; ++x) {
      const QRgb px = argb.pixel(x, y);
      if (qAlpha(px) < 128) continue;  // masked out: black shows the screen through
      const QRgb solid = qUnpremultiply(px);
      row[x * 3] = char(qBlue(solid));
      row[x * 3 + 1] = char(qGreen(solid));
      row[x * 3 + 2] = char(qRed(solid));
    }
    out.append(row);
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(andRow, 0);
    for (int x = 0; x < w; ++x) {
      if (qAlpha(argb.pixel(x, y)) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) return Fail("cannot write " + path);
  return true;
}

// The cursor must stay two-colour, and its hot spot must be the fingertip with nothing above it.
bool CheckCursor(const QImage& hand, int scale) {
  for (int y = 0; y < hand.height(); ++y) {
    for (int x = 0; x < hand.width(); ++x) {
      const QRgb px = hand.pixel(x, y);
      if (qAlpha(px) == 0) continue;
      if (qAlpha(px) != 255 || (px != qRgb(0, 0, 0) && px != qRgb(255, 255, 255))) {
        return Fail(QString("cursor pixel (%1, %2) is not black or white").arg(x).arg(y));
      }
      if (y < artwork::kHandHotY * scale) return Fail("cursor has pixels above the hot spot");
    }
  }
  if (hand.pixel(artwork::kHandHotX * scale, artwork::kHandHotY * scale) != qRgb(0, 0, 0)) {
    return Fail("the hot spot is not on the fingertip");
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvane-artwork <assets folder>\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const QImage background = artwork::Background().convertToFormat(QImage::Format_RGB888);
  const QImage strip = artwork::Strip().convertToFormat(QImage::Format_RGB888);
  const QImage icon = artwork::Icon();
  const QImage hand = artwork::HandCursor();
  const QImage hand2 = artwork::HandCursor(2);
  bool ok = CheckCursor(hand, 1) && CheckCursor(hand2, 2);
  ok = ok && Save(background, dir.filePath("background.bmp"), "BMP");
  ok = ok && Save(strip, dir.filePath("strip.bmp"), "BMP");
  ok = ok && Save(icon, dir.filePath("korvane.png"), "PNG");
  ok = ok && SaveIcon24(icon, dir.filePath("korvane.ico"));
  ok = ok && Save(hand, dir.filePath("hand.png"), "PNG");
  // The same pictures for screens of two device pixels per pixel, and the desktop's 256 px icon.
  ok = ok &&
       Save(artwork::Background(2).convertToFormat(QImage::Format_RGB888), dir.filePath("background@2x.bmp"), "BMP");
  ok = ok && Save(artwork::Strip(2).convertToFormat(QImage::Format_RGB888), dir.filePath("strip@2x.bmp"), "BMP");
  ok = ok && Save(artwork::Icon(2), dir.filePath("korvane@2x.png"), "PNG");
  ok = ok && Save(artwork::Icon(4), dir.filePath("korvane-256.png"), "PNG");
  ok = ok && Save(hand2, dir.filePath("hand@2x.png"), "PNG");
  // And for three device pixels per pixel (ratios above 2 take these, scaled down smoothly where
  // the ratio is less), kept as PNG: as bitmaps they would be four times the size.
  ok = ok &&
       Save(artwork::Background(3).convertToFormat(QImage::Format_RGB888), dir.filePath("background@3x.png"), "PNG");
  ok = ok && Save(artwork::Strip(3).convertToFormat(QImage::Format_RGB888), dir.filePath("strip@3x.png"), "PNG");
  QFile note(dir.filePath("hand.txt"));
  ok = ok && note.open(QIODevice::WriteOnly) &&
       note.write(QString("hand.png: 32 x 32 pointing hand cursor, hot spot x %1, y %2 (the index fingertip)\n")
                      .arg(artwork::kHandHotX)
                      .arg(artwork::kHandHotY)
                      .toUtf8()) > 0;
  return ok ? 0 : 1;
}
