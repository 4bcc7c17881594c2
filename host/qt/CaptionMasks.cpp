#include "host/qt/CaptionMasks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace host {
namespace {

// A mask holds for one font, text, colour and exact position: where Qt puts the glyphs depends
// on all of them, and keeping the position exact means no assumption about how Qt rounds.
struct MaskKey {
  gloss::Font font;
  std::string text;
  std::uint32_t color = 0;
  double x = 0;
  double y = 0;
  bool operator==(const MaskKey&) const = default;
};

struct MaskKeyHash {
  std::size_t operator()(const MaskKey& k) const {
    std::size_t h = HashMix(HashOf(k.font), std::hash<std::string>{}(k.text));
    h = HashMix(h, k.color);
    h = HashMix(h, std::hash<double>{}(k.x));
    return HashMix(h, std::hash<double>{}(k.y));
  }
};

inline std::uint32_t Channel(std::uint32_t px, int c) { return (px >> (16 - 8 * c)) & 0xFFu; }

// What drawing a caption does to one channel of one pixel, as a table from the old value to the
// new. Qt's blend rounds differently by coverage, colour and path (and may correct for gamma),
// so we record the tables Qt actually produces instead of modelling its arithmetic.
using ChannelTable = std::array<std::uint8_t, 256>;

// The tables of one engine, each kept once: a caption has few distinct coverages per colour.
class TablePool {
 public:
  static constexpr std::uint16_t kIdentity = 0;
  TablePool() { Intern(IdentityTable()); }
  std::uint16_t Intern(const ChannelTable& t) {
    if (!tables_.empty() && t == tables_[kIdentity]) return kIdentity;  // most of a caption's box
    std::string bytes(reinterpret_cast<const char*>(t.data()), t.size());
    if (auto it = index_.find(bytes); it != index_.end()) return it->second;
    const auto id = static_cast<std::uint16_t>(tables_.size());
    tables_.push_back(t);
    index_.emplace(std::move(bytes), id);
    return id;
  }
  const ChannelTable& operator[](std::uint16_t id) const { return tables_[id]; }
  std::size_t size() const { return tables_.size(); }

 private:
  static ChannelTable IdentityTable() {
    ChannelTable t;
    for (int v = 0; v < 256; ++v) t[v] = static_cast<std::uint8_t>(v);
    return t;
  }
  std::vector<ChannelTable> tables_;
  std::unordered_map<std::string, std::uint16_t> index_;
};

struct Cell {
  std::uint16_t x, y;
  std::uint16_t table[3];  // red, green, blue
};

inline std::uint32_t Apply(const Cell& cell, const TablePool& pool, std::uint32_t px) {
  std::uint32_t out = 0xFF000000u;
  for (int c = 0; c < 3; ++c) out |= std::uint32_t{pool[cell.table[c]][Channel(px, c)]} << (16 - 8 * c);
  return out;
}

struct Mask {
  bool built = false;  // a caption seen only once is drawn by Qt: a mask pays off from the second print
  bool usable = false;
  std::vector<Cell> cells;
  std::uint64_t lastUse = 0;
};

constexpr int kMargin = 2;                  // pixels around the measured box that are still examined
constexpr double kMaxMaskCanvas = 1 << 20;  // beyond this many pixels a caption is simply drawn
constexpr std::size_t kMaxMaskBox = 1 << 14;
constexpr std::size_t kMaxMasks = 64, kMaxTables = 8192;
static_assert(kMaxTables + 3 * kMaxMaskBox <= 65536, "table ids are 16 bits");

// Draws the caption on every grey level 0..255 and records, per pixel and channel, the new value
// for each old one. Qt blends each pixel on its own and each channel on its own, so that covers
// every background; two noise backgrounds check that independence before the mask is kept.
Mask BuildMask(TablePool& pool, const QtFont& font, double x, double y, std::uint32_t color, const QStringList& lines,
               const Extent& box) {
  Mask mask;
  if (!(x >= 0 && y >= 0 && box.width >= 0 && box.height >= 0)) return mask;
  const double right = std::ceil(x + box.width) + kMargin, bottom = std::ceil(y + box.height) + kMargin;
  if (!(right * bottom <= kMaxMaskCanvas) || right > 65535 || bottom > 65535) return mask;
  const int w = static_cast<int>(right), h = static_cast<int>(bottom);
  const int left = std::max(0, static_cast<int>(std::floor(x)) - kMargin);
  const int top = std::max(0, static_cast<int>(std::floor(y)) - kMargin);
  const int roiW = w - left, roiH = h - top;
  const auto roiSize = static_cast<std::size_t>(roiW) * static_cast<std::size_t>(roiH);
  if (roiSize > kMaxMaskBox) return mask;

  std::vector<std::uint32_t> canvas(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  QImage image(reinterpret_cast<uchar*>(canvas.data()), w, h, static_cast<qsizetype>(w) * 4, QImage::Format_RGB32);
  CaptionPainter painter(image, x, y, font, color, box);
  // Visits the examined box row by row; i counts its pixels.
  auto eachInBox = [&](auto&& visit) {
    std::size_t i = 0;
    for (int py = top; py < h; ++py) {
      std::uint32_t* row = canvas.data() + static_cast<std::size_t>(py) * w + left;
      for (int px = 0; px < roiW; ++px, ++i) visit(i, row[px]);
    }
  };
  // Everything outside the examined box must stay as it was.
  auto outsideIs = [&](std::uint32_t px) {
    for (int py = 0; py < h; ++py)
      for (int pxl = 0; pxl < w; ++pxl)
        if ((pxl < left || py < top) && canvas[static_cast<std::size_t>(py) * w + pxl] != px) return false;
    return true;
  };

  std::vector<ChannelTable> tables(roiSize * 3);
  for (std::uint32_t v = 0; v < 256; ++v) {
    const std::uint32_t grey = 0xFF000000u | v * 0x010101u;
    const bool whole = v == 0 || v == 255;
    if (whole) {
      std::fill(canvas.begin(), canvas.end(), grey);
    } else {
      eachInBox([&](std::size_t, std::uint32_t& px) { px = grey; });
    }
    painter.Draw(lines);
    if (whole && !outsideIs(grey)) return mask;
    bool opaque = true;
    eachInBox([&](std::size_t i, std::uint32_t px) {
      opaque = opaque && (px >> 24) == 0xFFu;
      for (int c = 0; c < 3; ++c) tables[i * 3 + c][v] = static_cast<std::uint8_t>(Channel(px, c));
    });
    if (!opaque) return mask;
  }
  for (std::size_t i = 0; i < roiSize; ++i) {
    Cell cell{static_cast<std::uint16_t>(left + i % roiW), static_cast<std::uint16_t>(top + i / roiW), {}};
    bool any = false;
    for (int c = 0; c < 3; ++c) {
      cell.table[c] = pool.Intern(tables[i * 3 + c]);
      any = any || cell.table[c] != TablePool::kIdentity;
    }
    if (any) mask.cells.push_back(cell);
  }
  // Backgrounds whose channels differ, from a fixed seed.
  std::uint32_t seed = 0x2545F491u;
  std::vector<std::uint32_t> expected(canvas.size());
  for (int round = 0; round < 2; ++round) {
    for (std::uint32_t& px : expected) {
      seed ^= seed << 13, seed ^= seed >> 17, seed ^= seed << 5;
      px = 0xFF000000u | (seed & 0xFFFFFFu);
    }
    std::copy(expected.begin(), expected.end(), canvas.begin());  // the image keeps pointing at canvas
    painter.Draw(lines);
    for (const Cell& cell : mask.cells) {
      std::uint32_t& px = expected[static_cast<std::size_t>(cell.y) * w + cell.x];
      px = Apply(cell, pool, px);
    }
    if (canvas != expected) return mask;
  }
  mask.usable = true;
  return mask;
}

}  // namespace

CaptionPainter::CaptionPainter(QImage& image, double x, double y, const QtFont& font, std::uint32_t color,
                               const Extent& box)
    : painter_(&image), x_(x), y_(y), font_(font) {
  painter_.setFont(font.font);
  painter_.setPen(QColor::fromRgb(color));
  painter_.setClipRect(QRectF(x, y, box.width, box.height));
}

void CaptionPainter::Draw(const QStringList& lines) {
  double baseline = y_ + font_.metrics.ascent();
  for (const QString& line : lines) {
    painter_.drawText(QPointF(x_, baseline), line);
    baseline += font_.metrics.height();
  }
}

struct CaptionMasks::Store {
  TextMetricsCache& metrics;
  std::unordered_map<MaskKey, Mask, MaskKeyHash> masks;
  TablePool tables;
  std::uint64_t tick = 0;
  Counts counts;

  const Mask& MaskFor(const gloss::Font& font, const std::string& text, std::uint32_t color, double x, double y) {
    MaskKey key{font, text, color, x, y};
    auto it = masks.find(key);
    if (it == masks.end()) {
      if (masks.size() >= kMaxMasks) {
        masks.erase(std::min_element(masks.begin(), masks.end(),
                                     [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; }));
      }
      it = masks.emplace(std::move(key), Mask{}).first;
    } else if (!it->second.built) {
      if (tables.size() >= kMaxTables) {  // many colours over time: start afresh
        for (auto& [k, m] : masks) m = Mask{};
        tables = TablePool();
        ++counts.tableResets;
      }
      Mask mask = BuildMask(tables, metrics.FontFor(font), x, y, color, Lines(text), metrics.ExtentOf(font, text));
      ++(mask.usable ? counts.built : counts.refused);
      mask.built = true;
      it->second = std::move(mask);
    }
    it->second.lastUse = ++tick;
    return it->second;
  }
};

CaptionMasks::CaptionMasks(TextMetricsCache& metrics) : store_(new Store{metrics, {}, {}, 0, {}}) {}
CaptionMasks::~CaptionMasks() = default;

bool CaptionMasks::Replay(gloss::PixelView target, double x, double y, const gloss::Font& font, std::uint32_t color,
                          const std::string& text) {
  const Mask& mask = store_->MaskFor(font, text, color, x, y);
  if (!mask.usable) return false;
  for (const Cell& cell : mask.cells) {
    if (cell.x >= target.width || cell.y >= target.height) continue;
    std::uint32_t& px =
        target.pixels[static_cast<std::size_t>(cell.y) * static_cast<std::size_t>(target.stride) + cell.x];
    px = Apply(cell, store_->tables, px);
  }
  return true;
}

const CaptionMasks::Counts& CaptionMasks::Stats() const { return store_->counts; }

}  // namespace host
