#pragma once
// The recording pen of the flat styles (0 and 1), for a button that fills the surface. It takes
// the lines, boxes and outline a flat style draws (the same calls as SurfacePen, FlatStyle.h) and
// resolves them into a plan: each row as runs of one colour, the host's colour only where no line
// lands, of overlapping lines the later one, the outline over all, and the whole as one list of
// fills. Paint then writes each pixel once. A plan depends on no colour outside its key, so the
// last few are kept (RenderContext).
#include <cstdint>
#include <vector>

#include "glossbutton/render/ButtonLook.h"
#include "glossbutton/render/FlatStyle.h"
#include "glossbutton/render/RowLayout.h"
#include "glossbutton/render/Surface.h"

namespace gloss {

class FlatRows {
 public:
  // True when the fast path covers this look and size: the button fills the surface exactly, and
  // the device pixel ratio keeps every fixed length within a few pixels.
  static bool Covers(const Surface& s, const ButtonLook& look, const FlatSize& size);

  // Reads the host's colour once; a host whose colour cannot be read gets no background, as in
  // FillHostBackground.
  // rows: the recording's scratch, one entry per row, grown as needed.
  struct RowSpans;
  FlatRows(const ButtonLook& look, const FlatSize& size, std::vector<RowSpans>& rows);

  // Surface::Line(x1, y, x2, y, oleColor), recorded: the end point left out, clipped.
  void Line(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t oleColor);
  // Surface::LineBF(x1, y1, x2, y2, oleColor), recorded: both corners included, clipped.
  void Box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t oleColor);

  // FillHostBackground, recorded: the host's colour is already where no line lands; what is left
  // is the current position its box moves (only when there is a host colour).
  void HostBackground();

  // False when some row took more overlapping lines than the painter keeps apart; the plain
  // renderer draws instead.
  bool Complete() const { return complete_; }

  // What the recorded lines and the outline over them leave on each row, as runs of one colour
  // side by side from column 0 to W; a run that no line reaches and that has no host colour is
  // marked as such.
  struct Span {
    std::int32_t first, last;
    std::uint32_t px;
    bool unpainted;
  };
  // The outline, drawn over the rows afterwards: its lines' pixels in the order they are drawn.
  struct OutlineRun {
    std::int32_t y, first, last;
    std::uint32_t px;
  };
  struct Plan {
    std::vector<Span> runs;
    std::vector<std::uint32_t> rowStart;  // row y is runs[rowStart[y] .. rowStart[y + 1])
    float currentX = 0, currentY = 0;     // where the last line recorded leaves the current position
    bool movesPosition = false;           // whether any did
    // The same runs as fills of the whole surface, row after row (runs of one colour that meet
    // across the end of a row joined); colours from palette, where entry 0 stands for the clear
    // the surface owes (the unpainted runs) and is set by Paint.
    std::vector<Fill> fills;
    std::vector<std::uint32_t> palette;
  };
  void Resolve(Plan& plan) const;
  // Writes every row of the surface (unpainted runs get the clear the surface owes, if it owes
  // one) and leaves the current position where the recorded lines would.
  static void Paint(Plan& plan, Surface& s);

  // DrawFlatOutline (FlatStyle.h), recorded: the same sixteen steps, or their scaled form, as
  // lines and single pixels over everything recorded before.
  void Outline(const ButtonLook& look, const OutlineColors& colors, bool firstShadeOnLeft);

  // Every number a flat face's plan is made from besides its style's fixed colours.
  struct Key {
    std::int32_t style, state, W, H;
    double ratio;
    bool hasBack;
    std::uint32_t back;
    bool operator==(const Key&) const = default;
  };
  static constexpr int kSpansPerRow = 4;
  struct RowSpans {
    int n;
    Span span[kSpansPerRow];
  };
  // What the flat styles keep between redraws (in the RenderContext): the last few plans, and the
  // recording's rows.
  struct Kept {
    LayoutCache<Key, Plan> plans;
    std::vector<RowSpans> rows;
  };
  // The plan for look and size, recorded by record(rows) when it is not among the last few made;
  // null when the recording is not Complete().
  template <typename Record>
  static Plan* Find(Kept& kept, const ButtonLook& look, const FlatSize& size, std::int32_t state, Record record);

 private:
  static void PaintEach(const Plan& plan, const Surface::Canvas& canvas);
  void Add(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px);
  // Surface::Line and Surface::PSet for the outline: lines across, down or at 45 degrees only
  // (anything else leaves the recording incomplete); both move the current position.
  void OutlineLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t oleColor);
  void OutlinePixel(std::int32_t x, std::int32_t y, std::int32_t oleColor);
  void OutlineRunAt(std::int32_t y, std::int32_t first, std::int32_t last, std::uint32_t px);

  std::vector<OutlineRun> outline_;
  float currentX_ = 0, currentY_ = 0;
  bool movesPosition_ = false;

  std::int32_t W_, H_;
  bool hasBack_ = false;  // some colour goes where no line reaches
  std::uint32_t back_ = 0;
  bool complete_ = true;
  std::vector<RowSpans>& rows_;
};

template <typename Record>
FlatRows::Plan* FlatRows::Find(Kept& kept, const ButtonLook& look, const FlatSize& size, std::int32_t state,
                               Record record) {
  const Key key{look.Style,
                state,
                size.W,
                size.H,
                look.DevicePixelRatio,
                look.ParentBackColor.has_value(),
                look.ParentBackColor ? Surface::ToPixel(*look.ParentBackColor) : 0u};
  return kept.plans.Find(key, size.H + 1, [&](Plan& plan) {
    FlatRows rows(look, size, kept.rows);
    record(rows);
    if (!rows.Complete()) return false;
    rows.Resolve(plan);
    return true;
  });
}

}  // namespace gloss
