#include "Scenes.h"

#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {
namespace {

const QColor kNavy(0x1B, 0x3A, 0x6B);
const QColor kBlue(0x2F, 0x6F, 0xC1);
const QColor kSky(0x8E, 0xC5, 0xFF);
const QColor kFrame(0x7F, 0xA7, 0xDB);
const QColor kOrange(0xFF, 0x8A, 0x3D);

QFont Face(const char* family, int pixels, int weight = QFont::Normal) {
  QFont f(QString::fromUtf8(family));
  f.setPixelSize(pixels);
  f.setWeight(static_cast<QFont::Weight>(weight));
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void SoftGlow(QPainter& p, QPointF centre, qreal radius, QColor colour) {
  QRadialGradient g(centre, radius);
  g.setColorAt(0, colour);
  colour.setAlpha(0);
  g.setColorAt(1, colour);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
}

// A quaver drawn as a path, so it does not depend on a font having the glyph.
QPainterPath MusicNote(QPointF head, qreal scale) {
  QPainterPath note;
  note.addEllipse(QRectF(head.x() - 9 * scale, head.y() - 6 * scale, 18 * scale, 12 * scale));
  note.addRect(QRectF(head.x() + 6 * scale, head.y() - 44 * scale, 3.5 * scale, 44 * scale));
  QPainterPath flag;
  flag.moveTo(head.x() + 9 * scale, head.y() - 44 * scale);
  flag.cubicTo(head.x() + 14 * scale, head.y() - 34 * scale, head.x() + 26 * scale, head.y() - 30 * scale,
               head.x() + 22 * scale, head.y() - 14 * scale);
  flag.cubicTo(head.x() + 22 * scale, head.y() - 24 * scale, head.x() + 14 * scale, head.y() - 28 * scale,
               head.x() + 9 * scale, head.y() - 30 * scale);
  flag.closeSubpath();
  return note.united(flag);
}

void Gamepad(QPainter& p, QRectF box, QColor body, QColor marks) {
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawRoundedRect(box, box.height() / 2.4, box.height() / 2.4);
  const qreal u = box.height() / 10;
  const QPointF pad(box.left() + box.width() * 0.27, box.center().y());
  p.setBrush(marks);
  p.drawRect(QRectF(pad.x() - 3 * u, pad.y() - u, 6 * u, 2 * u));
  p.drawRect(QRectF(pad.x() - u, pad.y() - 3 * u, 2 * u, 6 * u));
  const QPointF keys(box.left() + box.width() * 0.73, box.center().y());
  p.setBrush(kOrange);
  p.drawEllipse(keys + QPointF(2 * u, -1.2 * u), 1.3 * u, 1.3 * u);
  p.setBrush(QColor(0x5C, 0xD1, 0x6B));
  p.drawEllipse(keys + QPointF(-1.2 * u, 1.6 * u), 1.3 * u, 1.3 * u);
}

void Star(QPainter& p, QPointF c, qreal r, QColor colour) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal radius = (i % 2) ? r * 0.45 : r;
    const qreal a = (-90 + i * 36) * 3.14159265358979 / 180.0;
    const QPointF pt(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
}

}  // namespace

QImage Background(int scale) {
  QImage img(522 * scale, 371 * scale, QImage::Format_RGB32);
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, 371);
  sky.setColorAt(0.0, QColor(0xD6, 0xE8, 0xFF));
  sky.setColorAt(0.45, QColor(0xF5, 0xFA, 0xFF));
  sky.setColorAt(1.0, QColor(0xDD, 0xEC, 0xFF));
  p.fillRect(QRect(0, 0, 522, 371), sky);
  SoftGlow(p, {480, 130}, 150, QColor(255, 255, 255, 200));
  SoftGlow(p, {350, 340}, 110, QColor(0xBF, 0xE6, 0xFF, 150));
  SoftGlow(p, {120, 60}, 160, QColor(0xC8, 0xDD, 0xFF, 160));

  // Frame behind the portal pane (x 0 to 232): seen while a page loads.
  p.setPen(QPen(kFrame, 2));
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(QRectF(3, 3, 226, 362), 10, 10);
  QLinearGradient head(0, 3, 0, 40);
  head.setColorAt(0, kBlue);
  head.setColorAt(1, kNavy);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(4, 4, 224, 360), 9, 9);
  p.save();
  p.setClipPath(frame);
  p.fillRect(QRectF(4, 4, 224, 36), head);
  p.restore();
  p.setPen(Qt::white);
  p.setFont(Face("AR PL UMing CN", 14, QFont::Bold));
  p.drawText(QRectF(4, 4, 224, 36), Qt::AlignCenter, QString::fromUtf8("掌上游戏 正在载入…"));

  // Dark cap behind the two round window buttons (464 to 513, 0 to 25).
  QLinearGradient cap(0, 0, 0, 32);
  cap.setColorAt(0, kNavy);
  cap.setColorAt(1, kBlue);
  p.setPen(Qt::NoPen);
  p.setBrush(cap);
  p.drawRoundedRect(QRectF(457, -14, 80, 45), 13, 13);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawLine(QPointF(466, 29.5), QPointF(512, 29.5));

  // Card under the three text labels (336 to 457, 16 to 57).
  p.setPen(QPen(QColor(0xA9, 0xC8, 0xF0), 1));
  p.setBrush(QColor(255, 255, 255, 210));
  p.drawRoundedRect(QRectF(328.5, 9.5, 135, 55), 8, 8);
  p.setPen(QPen(QColor(0xD4, 0xE4, 0xF8), 1));
  p.drawLine(QPointF(334, 35.5), QPointF(458, 35.5));

  // Name band.
  QFont title = Face("DejaVu Sans", 32, QFont::Bold);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  QPainterPath name;
  name.addText(0, 0, title, QStringLiteral("Korvane"));
  const QRectF nb = name.boundingRect();
  name.translate(420 - nb.center().x(), 106 - nb.bottom());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1B, 0x3A, 0x6B, 50));
  p.drawPath(name.translated(1.5, 2));
  QLinearGradient ink(0, 74, 0, 108);
  ink.setColorAt(0, kBlue);
  ink.setColorAt(1, kNavy);
  p.setBrush(ink);
  p.drawPath(name);
  Star(p, {336, 78}, 6, kOrange);
  Star(p, {506, 110}, 4, kSky);
  p.setPen(QColor(0x4D, 0x6E, 0x9C));
  p.setFont(Face("AR PL UMing CN", 13));
  p.drawText(QRectF(331, 114, 178, 18), Qt::AlignCenter, QString::fromUtf8("掌上游戏 · 随身音乐"));
  QLinearGradient rule(336, 0, 505, 0);
  rule.setColorAt(0, QColor(0x8E, 0xC5, 0xFF, 0));
  rule.setColorAt(0.5, kSky);
  rule.setColorAt(1, QColor(0x8E, 0xC5, 0xFF, 0));
  p.fillRect(QRectF(336, 142, 169, 2), rule);
  Gamepad(p, QRectF(402, 149, 36, 18), QColor(0x9D, 0xBF, 0xEA), Qt::white);

  // Frame of the music pane (336 to 505, 176 to 337), with a resting picture for when it is off.
  QLinearGradient well(0, 172, 0, 341);
  well.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
  well.setColorAt(1, QColor(0xE8, 0xF2, 0xFF));
  p.setPen(QPen(kFrame, 2));
  p.setBrush(well);
  p.drawRoundedRect(QRectF(332, 172, 177, 169), 9, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xC5, 0xDC, 0xF7));
  p.drawPath(MusicNote({410, 262}, 1.25));
  p.setBrush(QColor(0xD9, 0xE8, 0xFA));
  p.drawPath(MusicNote({452, 246}, 0.8));
  p.setPen(QColor(0x7D, 0x9C, 0xC4));
  p.setFont(Face("AR PL UMing CN", 13));
  p.drawText(QRectF(336, 286, 169, 20), Qt::AlignCenter, QString::fromUtf8("音乐播放器"));

  // Soft pill under the contact line (352 to 497, 344 to 361).
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawRoundedRect(QRectF(346, 343, 157, 20), 10, 10);
  p.end();
  return img;
}

QImage Strip(int scale) {
  QImage img(93 * scale, 373 * scale, QImage::Format_RGB32);
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, 0, 373);
  band.setColorAt(0.0, kNavy);
  band.setColorAt(0.5, kBlue);
  band.setColorAt(1.0, kNavy);
  p.fillRect(QRect(0, 0, 93, 373), band);

  // Faint diagonal stripes and a sheen from the left.
  p.setPen(QPen(QColor(255, 255, 255, 14), 6));
  for (int y = -120; y < 373 + 120; y += 18) p.drawLine(QPointF(-10, y + 100), QPointF(103, y));
  QLinearGradient sheen(0, 0, 93, 0);
  sheen.setColorAt(0, QColor(255, 255, 255, 70));
  sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
  p.fillRect(QRect(0, 0, 93, 373), sheen);
  p.fillRect(QRectF(0, 0, 2, 373), QColor(255, 255, 255, 110));
  p.fillRect(QRectF(92, 0, 1, 373), QColor(0, 0, 0, 70));

  Gamepad(p, QRectF(24, 26, 46, 24), QColor(255, 255, 255, 230), kNavy);
  Star(p, {20, 74}, 5, kOrange);
  Star(p, {74, 66}, 3.5, kSky);

  p.setPen(Qt::white);
  p.setFont(Face("AR PL UMing CN", 22, QFont::Bold));
  const char* words[] = {"掌", "上", "游", "戏", "乐", "园"};
  for (int i = 0; i < 6; ++i) {
    p.drawText(QRectF(0, 92 + i * 34, 93, 32), Qt::AlignCenter, QString::fromUtf8(words[i]));
  }
  p.setPen(QPen(QColor(255, 255, 255, 120), 1));
  p.drawLine(QPointF(30, 305.5), QPointF(63, 305.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawPath(MusicNote({42, 350}, 0.62));
  p.end();
  return img;
}

QImage Icon(int scale) {
  QImage img(64 * scale, 64 * scale, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 2, 0, 62);
  face.setColorAt(0, QColor(0x4A, 0x8F, 0xE6));
  face.setColorAt(1, kNavy);
  p.setPen(Qt::NoPen);
  p.setBrush(face);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
  QLinearGradient gloss(0, 2, 0, 34);
  gloss.setColorAt(0, QColor(255, 255, 255, 120));
  gloss.setColorAt(1, QColor(255, 255, 255, 10));
  p.setBrush(gloss);
  p.drawRoundedRect(QRectF(5, 4, 54, 28), 11, 11);

  QPainterPath k;
  k.addText(0, 0, Face("DejaVu Sans", 40, QFont::Bold), QStringLiteral("K"));
  const QRectF kb = k.boundingRect();
  k.translate(29 - kb.center().x(), 33 - kb.center().y());
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawPath(k.translated(1, 1.5));
  p.setBrush(Qt::white);
  p.drawPath(k);
  p.setBrush(kOrange);
  p.drawEllipse(QPointF(50, 49), 9, 9);
  p.setBrush(Qt::white);
  p.drawPath(MusicNote({48, 53}, 0.26));
  p.end();
  return img;
}

QImage HandCursor(int scale) {
  // Pixel art: X black, o white, anything else transparent. Rows shorter than 32 are padded.
  static const char* const rows[32] = {"",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "...........XXX",
                                       "..........XoooX",
                                       "..........XoooX",
                                       "..........XoooX",
                                       "..........XoooXXXX",
                                       "..........XoooXoooXXXX",
                                       "..........XoooXoooXoooXXX",
                                       ".....XX...XoooXoooXoooXooX",
                                       "....XooX..XoooXoooXoooXooX",
                                       "....XoooX.XoooXoooXoooXooX",
                                       ".....XoooXXoooXoooXoooXooX",
                                       ".....XoooooooooooooooooooX",
                                       "......XooooooooooooooooooX",
                                       ".......XoooooooooooooooooX",
                                       "........XooooooooooooooooX",
                                       ".........XoooooooooooooooX",
                                       "..........XoooooooooooooX",
                                       "...........XoooooooooooX",
                                       "...........XoooooooooooX",
                                       "...........XXXXXXXXXXXXX",
                                       "",
                                       "",
                                       ""};
  auto at = [&](int x, int y) -> char {
    if (y < 0 || y >= 32 || x < 0) return '.';
    for (int i = 0; i <= x; ++i)
      if (rows[y][i] == '\0') return '.';
    return rows[y][x] == 'X' || rows[y][x] == 'o' ? rows[y][x] : '.';
  };
  QImage img(32 * scale, 32 * scale, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  for (int y = 0; y < 32 * scale; ++y) {
    for (int x = 0; x < 32 * scale; ++x) {
      const int cx = x / scale, cy = y / scale;
      const char c = at(cx, cy);
      if (c == '.') continue;
      QRgb colour = c == 'X' ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      if (c == 'X' && scale > 1) {
        // An outline cell is thinned to the device pixels that face the outside, and whatever
        // of it faces the inside takes the fill: the outline stays one device pixel wide.
        const int sx = x % scale, sy = y % scale;
        const bool left = at(cx - 1, cy) == '.', right = at(cx + 1, cy) == '.';
        const bool up = at(cx, cy - 1) == '.', down = at(cx, cy + 1) == '.';
        const bool edge = (left && sx == 0) || (right && sx == scale - 1) || (up && sy == 0) ||
                          (down && sy == scale - 1) || (!left && !right && !up && !down);
        const bool inside = (at(cx - 1, cy) == 'o' && sx == 0) || (at(cx + 1, cy) == 'o' && sx == scale - 1) ||
                            (at(cx, cy - 1) == 'o' && sy == 0) || (at(cx, cy + 1) == 'o' && sy == scale - 1);
        if (!edge && inside) colour = qRgb(255, 255, 255);
      }
      img.setPixel(x, y, colour);
    }
  }
  return img;
}

}  // namespace artwork
