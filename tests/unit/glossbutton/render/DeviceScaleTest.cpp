// Drawing at a device pixel ratio other than 1: the fixed lengths grow with the ratio, the
// caption is printed with a scaled font, and the control's own font is left as it was.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "glossbutton/render/Redraw.h"
#include "tests/support/FixedTextEngine.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;
using gloss::testing::FixedTextEngine;

namespace {

// The rows of column x holding colour px.
std::vector<std::int32_t> RowsOf(const Image& image, std::int32_t x, std::uint32_t px) {
  std::vector<std::int32_t> rows;
  for (std::int32_t y = 0; y < image.height; ++y)
    if (image.At(x, y) == px) rows.push_back(y);
  return rows;
}

TEST(DeviceScale, CaptionIsPrintedWithTheScaledFontAndMovesByTheScaledOffset) {
  auto engine = std::make_shared<FixedTextEngine>(7, 13);
  Surface s = ClearedSurface(200, 60);
  s.SetTextEngine(engine);
  ButtonLook look = LookOfSize(7, 200, 60);  // no body: only the caption
  look.Caption = "Ab";
  look.DevicePixelRatio = 2;
  const Font logical = look.Font;
  // Two redraws: the second must not scale an already scaled font.
  for (int round = 0; round < 2; ++round) {
    std::int32_t state = 1;
    RedrawButton(s, look, state);
    ASSERT_EQ(engine->Calls().size(), static_cast<std::size_t>(round + 1));
    const auto& call = engine->Calls().back();
    EXPECT_DOUBLE_EQ(call.font.size, 2 * logical.size) << round;
    // Centred: 100 - 14 \ 2 and 30 - 13 \ 2, then the pressed offset of 1 pixel scaled to 2.
    EXPECT_DOUBLE_EQ(call.x, 93 + 2) << round;
    EXPECT_DOUBLE_EQ(call.y, 24 + 2) << round;
    EXPECT_EQ(s.Font(), logical) << round;
  }
}

TEST(DeviceScale, BordersAndOutlinesAreAsWideAsTheScaledPixel) {
  // Style 3 with a black edge (brightness -100) at 25 x 25 and its device sizes at 1.5 and 2;
  // Style 0's outline likewise. The edge ring / outline is 1, 2 and 2 device pixels deep.
  struct Case {
    double ratio;
    std::int32_t side;
    std::int32_t border;
  };
  for (const Case& c : {Case{1, 25, 1}, Case{1.5, 38, 2}, Case{2, 50, 2}}) {
    SCOPED_TRACE(c.ratio);
    ButtonLook glossy = LookOfSize(3, static_cast<float>(c.side), static_cast<float>(c.side));
    glossy.DevicePixelRatio = c.ratio;
    glossy.m_CornerRadius = CInt32(12 * c.ratio);
    glossy.m_ColorButtonUp = Ole(255, 0, 0);
    glossy.m_BorderBrightness = -100;
    Surface s = ClearedSurface(c.side, c.side);
    std::int32_t state = 0;
    const auto face = RedrawButton(s, glossy, state);
    // The face is side - 1 wide and high; its outermost rows stay outside the open shape.
    const std::int32_t mid = c.side / 2, last = c.side - 1;
    std::vector<std::int32_t> ring;
    for (std::int32_t y = 1; y <= c.border; ++y) ring.push_back(y);
    for (std::int32_t y = last - c.border; y < last; ++y) ring.push_back(y);
    EXPECT_EQ(RowsOf(*face, mid, Px(0, 0, 0)), ring);

    ButtonLook flat = LookOfSize(0, static_cast<float>(c.side), static_cast<float>(c.side));
    flat.DevicePixelRatio = c.ratio;
    Surface f = ClearedSurface(c.side, c.side);
    state = 0;
    const Image flatFace = *RedrawButton(f, flat, state);
    const std::uint32_t outline = Px(0, 60, 116);
    for (std::int32_t t = 0; t < c.border; ++t) {
      EXPECT_EQ(flatFace.At(mid, t), outline) << "top " << t;
      EXPECT_EQ(flatFace.At(t, mid), outline) << "left " << t;
      EXPECT_EQ(flatFace.At(last - t, mid), outline) << "right " << t;
    }
    EXPECT_NE(flatFace.At(mid, c.border), outline);
    EXPECT_NE(flatFace.At(last - c.border, mid), outline);
    // The corner stays the host's colour.
    EXPECT_EQ(flatFace.At(0, 0), kHost);
  }
}

}  // namespace
