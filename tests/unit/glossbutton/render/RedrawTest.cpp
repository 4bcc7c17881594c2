#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "glossbutton/render/Redraw.h"
#include "tests/support/FixedTextEngine.h"
#include "tests/unit/glossbutton/render/RenderTestUtil.h"

using namespace gloss;
using namespace rendertest;
using gloss::testing::FixedTextEngine;

namespace {

constexpr std::uint32_t kPicturePx = Px(0, 200, 0);
constexpr std::int32_t kCaptionOle = Ole(255, 0, 255);
constexpr std::uint32_t kCaptionPx = Px(255, 0, 255);

PicturePtr SquarePicture(std::int32_t side) {
  auto pic = std::make_shared<Picture>();
  pic->image = Image(side, side, kPicturePx);
  pic->widthHimetric = static_cast<std::int32_t>(side * kHimetricPerPixel + 0.5);
  pic->heightHimetric = pic->widthHimetric;
  return pic;
}

struct Fixture {
  std::shared_ptr<FixedTextEngine> engine;
  Surface surface;
  ButtonLook look;
};

// A 100 x 30 button with no body (style 7) so only caption and picture show.
Fixture Button(std::int32_t cellWidth = 7) {
  Fixture f{std::make_shared<FixedTextEngine>(cellWidth, 13), ClearedSurface(100, 30), LookOfSize(7, 100, 30)};
  f.surface.SetTextEngine(f.engine);
  f.look.ForeColor = kCaptionOle;
  return f;
}

TEST(PlaceIconAndCaption, CaptionCentredWithoutPicture) {
  const Placement p = PlaceIconAndCaption(2, 100, 30, 0, 0, 40, 13, 8);
  EXPECT_TRUE(p.placesCaption);
  EXPECT_EQ(p.cx, 30);
  EXPECT_EQ(p.cy, 9);
  for (int alignment = 0; alignment <= 3; ++alignment) {
    const Placement q = PlaceIconAndCaption(alignment, 100, 30, 0, 0, 40, 13, 8);
    EXPECT_EQ(q.cx, 30) << alignment;
    EXPECT_EQ(q.cy, 9) << alignment;
  }
}

TEST(PlaceIconAndCaption, PicturePositionsForEachAlignment) {
  EXPECT_EQ(PlaceIconAndCaption(0, 100, 30, 16, 16, 0, 0, 8).px, 43);
  EXPECT_EQ(PlaceIconAndCaption(0, 100, 30, 16, 16, 0, 0, 8).py, 7);
  EXPECT_EQ(PlaceIconAndCaption(1, 100, 30, 16, 16, 0, 0, 8).px, 42);
  EXPECT_EQ(PlaceIconAndCaption(1, 100, 30, 16, 16, 0, 0, 8).py, 7);
  EXPECT_EQ(PlaceIconAndCaption(2, 100, 30, 16, 16, 0, 0, 8).px, 8);
  EXPECT_EQ(PlaceIconAndCaption(3, 100, 30, 16, 16, 0, 0, 5).px, 79);
  EXPECT_EQ(PlaceIconAndCaption(3, 100, 30, 16, 16, 0, 0, 5).py, 7);
  const Placement other = PlaceIconAndCaption(9, 100, 30, 16, 16, 40, 13, 8);
  EXPECT_FALSE(other.placesCaption);
  EXPECT_EQ(other.px, 0);
  EXPECT_EQ(other.py, 0);
}

TEST(PlaceIconAndCaption, CaptionWiderThanTheButtonStartsRightOfTheEdge) {
  EXPECT_EQ(PlaceIconAndCaption(0, 20, 30, 0, 0, 40, 13, 8).cx, 10);  // |10 - 20|
}

TEST(DrawIconWCaption, CaptionAtItsPlaceAndOnePixelFurtherWhenPressed) {
  Fixture f = Button(8);  // "ABCDE" is 40 x 13
  f.look.Caption = "ABCDE";
  f.look.PictureAlignment = 2;
  std::int32_t state = 0;
  auto image = DrawIconWCaption(f.surface, f.look, state);
  EXPECT_EQ(image->At(30, 9), kCaptionPx);
  EXPECT_EQ(image->At(29, 9), kCleared);
  EXPECT_EQ(image->At(69, 21), kCaptionPx);

  Fixture g = Button(8);
  g.look = f.look;
  state = 1;
  image = DrawIconWCaption(g.surface, g.look, state);
  EXPECT_EQ(image->At(31, 10), kCaptionPx);
  EXPECT_EQ(image->At(30, 9), kCleared);
  EXPECT_EQ(g.engine->Calls().at(0).x, 31.0);
  EXPECT_EQ(g.engine->Calls().at(0).y, 10.0);
}

TEST(DrawIconWCaption, PictureLandsWhereTheAlignmentPutsIt) {
  struct Case {
    std::int32_t alignment, radius, x, y;
  };
  for (const Case c : {Case{0, 0, 43, 7}, Case{1, 0, 42, 7}, Case{2, 0, 8, 7}, Case{3, 5, 79, 7}}) {
    Fixture f = Button();
    f.look.Picture = PictureAtDesignSize(SquarePicture(16));
    f.look.PictureAlignment = c.alignment;
    f.look.m_CornerRadius = c.radius;
    std::int32_t state = 0;
    auto image = DrawIconWCaption(f.surface, f.look, state);
    EXPECT_EQ(image->At(c.x, c.y), kPicturePx) << c.alignment;
    EXPECT_EQ(image->At(c.x + 15, c.y + 15), kPicturePx) << c.alignment;
    EXPECT_EQ(image->At(c.x - 1, c.y), kCleared) << c.alignment;
    EXPECT_EQ(image->At(c.x + 16, c.y + 16), kCleared) << c.alignment;
  }
}

TEST(DrawIconWCaption, PictureIsDrawnOverTheCaption) {
  Fixture f = Button();
  f.look.Caption = "A";  // 7 x 13 at (47, 9)
  f.look.Picture = PictureAtDesignSize(SquarePicture(16));
  f.look.PictureAlignment = 2;
  f.look.m_CornerRadius = 45;  // picture covers x 45..60, y 7..22
  std::int32_t state = 0;
  auto image = DrawIconWCaption(f.surface, f.look, state);
  ASSERT_EQ(f.engine->Calls().size(), 1u);
  EXPECT_EQ(f.engine->Calls()[0].x, 47.0);
  EXPECT_EQ(f.engine->Calls()[0].y, 9.0);
  for (std::uint32_t p : image->pixels) EXPECT_NE(p, kCaptionPx);
}

TEST(DrawIconWCaption, OtherAlignmentStartsTheCaptionWhereTheRendererStopped) {
  Fixture f = Button();
  f.look.Style = 0;
  f.look.Caption = "A";
  f.look.Picture = PictureAtDesignSize(SquarePicture(4));
  f.look.PictureAlignment = 7;
  std::int32_t state = 0;
  auto image = RedrawButton(f.surface, f.look, state);
  // The outline's last line runs from (0, H - 2) up to (0, 2).
  ASSERT_EQ(f.engine->Calls().size(), 1u);
  EXPECT_EQ(f.engine->Calls()[0].x, 0.0);
  EXPECT_EQ(f.engine->Calls()[0].y, 2.0);
  EXPECT_EQ(image->At(0, 0), kPicturePx);
  EXPECT_EQ(image->At(3, 3), kPicturePx);
}

TEST(RedrawButton, CheckedForcesStateFourWithoutThePressOffset) {
  Fixture f = Button();
  f.look.Style = 1;
  f.look.Checked = true;
  f.look.Caption = "A";
  std::int32_t state = 1;
  auto image = RedrawButton(f.surface, f.look, state);
  EXPECT_EQ(state, 4);
  EXPECT_EQ(f.engine->Calls().at(0).x, 47.0);  // 50 - 3, not moved
  EXPECT_EQ(f.engine->Calls().at(0).y, 9.0);
  EXPECT_EQ(image->At(10, 10), Px(255, 255, 255));  // the checked white face of style 1
}

TEST(RedrawButton, UnknownStyleShowsOnlyCaptionOnTheClearedSurface) {
  for (std::int32_t style : {7, -1}) {
    Fixture f = Button();
    f.look.Style = style;
    f.look.Caption = "A";
    std::int32_t state = 3;
    auto image = RedrawButton(f.surface, f.look, state);
    int caption = 0, cleared = 0;
    for (std::uint32_t p : image->pixels) {
      caption += p == kCaptionPx;
      cleared += p == kCleared;
    }
    EXPECT_EQ(caption, 4) << style;
    EXPECT_EQ(cleared, 100 * 30 - 4) << style;
  }
}

TEST(RedrawButton, ReturnsTheDrawingAndClearsTheSurface) {
  Fixture f = Button();
  f.look.Style = 0;
  std::int32_t state = 0;
  auto image = RedrawButton(f.surface, f.look, state);
  EXPECT_EQ(image->At(5, 0), Px(0, 60, 116));  // outline
  for (std::uint32_t p : f.surface.Pixels().pixels) ASSERT_EQ(p, kCleared);
}

TEST(RedrawButton, AFailureLeavesTheSurfaceUnclearedAndPropagates) {
  Fixture f = Button();
  f.look.Style = 0;
  f.look.Caption = "A";
  struct NoFont : TextEngine {
    double TextWidth(const Font&, const std::string&) override { throw std::runtime_error("no font"); }
    double TextHeight(const Font&, const std::string&) override { throw std::runtime_error("no font"); }
    void Print(PixelView, double, double, const Font&, std::uint32_t, const std::string&) override {}
  };
  f.surface.SetTextEngine(std::make_shared<NoFont>());
  std::int32_t state = 0;
  EXPECT_THROW(RedrawButton(f.surface, f.look, state), std::runtime_error);
  EXPECT_EQ(f.surface.PixelAt(5, 0), Px(0, 60, 116));  // the renderer's work is still there
}

}  // namespace
