#include "Games.h"

#include <QFile>

#include <iterator>

namespace portal {
namespace {

const Game kGames[] = {
    {"欢乐斗地主", "Happy Landlord", "斗", "#e8553f", "经典三人牌局，天天有奖"},
    {"中国象棋", "Chinese Chess", "棋", "#b5651d", "楚河汉界，以棋会友"},
    {"连连看", "Link Up", "连", "#3fa7e8", "眼疾手快，轻松消除"},
    {"贪吃蛇", "Snake", "蛇", "#47b04b", "越吃越长，小心撞墙"},
    {"俄罗斯方块", "Falling Blocks", "方", "#8a5ad8", "消行升级，停不下来"},
    {"五子棋", "Five in a Row", "五", "#333344", "黑白对弈，五子连珠"},
    {"泡泡龙", "Bubble Dragon", "泡", "#ff8a3d", "三个同色一起消"},
    {"四川麻将", "Mahjong", "麻", "#2e8b57", "血战到底，雀神争霸"},
    {"跑跑赛车", "Kart Rush", "车", "#d23c77", "漂移加速，冲刺终点"},
    {"围棋", "Go", "围", "#555566", "方寸之间，纵横十九道"},
    {"打地鼠", "Whack a Mole", "鼠", "#c49a3a", "看准时机，一锤一个"},
    {"飞行棋", "Flying Chess", "飞", "#3a7bd5", "掷骰起飞，四人同乐"},
    {"数独", "Sudoku", "数", "#0f9d8a", "九宫格里的逻辑题"},
    {"钓鱼达人", "Fishing Master", "鱼", "#1e90c8", "甩竿收线，满载而归"},
};

QString Resource(const char* name) {
  QFile file(QStringLiteral(":/portal/") + QString::fromLatin1(name));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

int GameCount() { return static_cast<int>(std::size(kGames)); }

const Game* FindGame(int id) { return id >= 1 && id <= GameCount() ? &kGames[id - 1] : nullptr; }

QString PortalPage(const QString& member) {
  QString items;
  for (int id = 1; id <= GameCount(); ++id) {
    const Game& g = kGames[id - 1];
    items += QStringLiteral(
                 "<li><div class=\"icon\" style=\"background:%1\">%2</div><div class=\"info\"><b>%3</b><i>%4</i>"
                 "</div><a class=\"go\" href=\"/qqwap/game/%5\" target=\"_blank\">进入</a></li>\n")
                 .arg(U(g.color), U(g.glyph), U(g.name), U(g.desc))
                 .arg(id);
  }
  return Resource("qqwap.html")
      .replace(QStringLiteral("{{games}}"), items)
      .replace(QStringLiteral("{{count}}"), QString::number(GameCount()))
      .replace(QStringLiteral("{{member}}"), member.toHtmlEscaped());
}

QString GamePage(int id) {
  const Game* g = FindGame(id);
  if (!g) return {};
  const int next = id % GameCount() + 1;
  return Resource("game.html")
      .replace(QStringLiteral("{{name}}"), U(g->name))
      .replace(QStringLiteral("{{english}}"), U(g->english))
      .replace(QStringLiteral("{{glyph}}"), U(g->glyph))
      .replace(QStringLiteral("{{color}}"), U(g->color))
      .replace(QStringLiteral("{{desc}}"), U(g->desc))
      .replace(QStringLiteral("{{id}}"), QString::number(id))
      .replace(QStringLiteral("{{next}}"), QString::number(next))
      .replace(QStringLiteral("{{nextName}}"), U(FindGame(next)->name));
}

QString PlayerPage(const QString& lid) {
  // Only digits reach the page: the list id is echoed into an attribute.
  QString safe;
  for (QChar c : lid) {
    if (c.isDigit()) safe += c;
  }
  return Resource("player.html").replace(QStringLiteral("{{lid}}"), safe);
}

}  // namespace portal
