// The fast renderers against the plain ones (gloss::reference), pixel for pixel, over seeded
// random sizes, colours, radii, styles and states; every case runs once on each vector path.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>
#include <typeinfo>
#include <utility>

#include "glossbutton/render/RenderContext.h"
#include "glossbutton/render/PixelKernels.h"
#include "glossbutton/render/Redraw.h"
#include "glossbutton/render/ReferenceRenderers.h"
#include "glossbutton/render/Style0Renderer.h"
#include "glossbutton/render/Style1Renderer.h"
#include "glossbutton/render/Style6Renderer.h"
#include "glossbutton/render/StyleNRenderer.h"
#include "glossbutton/render/VectorPath.h"
#include "platform/SystemColors.h"
#include "tests/support/FixedTextEngine.h"
#include "tests/unit/glossbutton/render/RandomLook.h"

using namespace gloss;
using renderequality::Describe;
using renderequality::RandomLook;

namespace gloss {
// Names the parameter in test output.
void PrintTo(VectorPath path, std::ostream* os) { *os << (path == VectorPath::Avx2 ? "AVX2" : "plain"); }
}  // namespace gloss

namespace {

// Where two images first differ, or nothing.
std::optional<std::string> FirstDifference(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return std::string("sizes differ");
  for (std::int32_t y = 0; y < a.height; ++y)
    for (std::int32_t x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d): %08X, plain %08X", x, y, a.At(x, y), b.At(x, y));
        return std::string(text);
      }
  return std::nullopt;
}

// The exception's type, or "" when the call returned.
template <typename F>
std::string Outcome(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return typeid(e).name();
  }
  return "";
}

Surface MakeSurface(std::int32_t w, std::int32_t h, std::int32_t back) {
  Surface s(w, h, std::make_shared<gloss::testing::FixedTextEngine>(5, 9));
  s.SetBackColor(back);
  s.Clear();
  return s;
}

// Scribbles over a surface so that pixels a renderer leaves alone can be told apart.
void Scribble(Surface& s, RandomLook& rnd) {
  for (std::int32_t y = 0; y < s.Height(); ++y) s.Line(0, y, s.Width(), y, rnd.Int(0, 0xFFFFFF));
  for (int k = 0; k < 20; ++k) s.PSet(rnd.Int(0, s.Width()), rnd.Int(0, s.Height()), rnd.Int(0, 0xFFFFFF));
}

void ExpectSameSurface(const Surface& fast, const Surface& plain, const std::string& what) {
  const auto diff = FirstDifference(fast.Pixels(), plain.Pixels());
  EXPECT_FALSE(diff) << what << ": " << diff.value_or("");
  EXPECT_EQ(fast.CurrentX(), plain.CurrentX()) << what;
  EXPECT_EQ(fast.CurrentY(), plain.CurrentY()) << what;
}

// Forces the fast renderers onto the parameter's vector path for one test, then puts back the
// path the process chose. A path the processor cannot run is skipped, never faked.
class RenderEquality : public ::testing::TestWithParam<VectorPath> {
 protected:
  void SetUp() override {
    if (!VectorPathSupported(GetParam())) GTEST_SKIP() << "this processor cannot run the AVX2 path";
    ASSERT_TRUE(UseVectorPath(GetParam()));
    ASSERT_EQ(ActiveVectorPath(), GetParam());
  }
  void TearDown() override { UseVectorPath(m_Chosen); }

 private:
  const VectorPath m_Chosen = ActiveVectorPath();
};

INSTANTIATE_TEST_SUITE_P(VectorPaths, RenderEquality, ::testing::Values(VectorPath::Plain, VectorPath::Avx2),
                         [](const ::testing::TestParamInfo<VectorPath>& info) {
                           return info.param == VectorPath::Avx2 ? "Avx2" : "Plain";
                         });

TEST_P(RenderEquality, RedrawButtonMatchesThePlainRedrawOnEveryPixel) {
  RandomLook rnd(20240611);
  auto picture = std::make_shared<Picture>();
  picture->image = Image(6, 5, 0xFF2080C0u);
  picture->image.pixels[7] = 0;  // transparent
  picture->widthHimetric = static_cast<std::int32_t>(6 * kHimetricPerPixel);
  picture->heightHimetric = static_cast<std::int32_t>(5 * kHimetricPerPixel);
  for (int n = 0; n < 700; ++n) {
    const std::int32_t w = rnd.Side(), h = rnd.Side();
    ButtonLook look = rnd.Look(w, h);
    look.Caption = rnd.Chance(50) ? "" : rnd.Chance(50) ? "Ab" : "OK, go";
    look.PictureAlignment = rnd.Int(-1, 4);
    if (rnd.Chance(30)) look.Picture = PictureAtDesignSize(picture, look.DevicePixelRatio);
    const std::int32_t back = rnd.Colour();
    Surface fast = MakeSurface(w, h, back), plain = MakeSurface(w, h, back);
    // Two redraws in a row: the second draws over the first one's pending clear, while the
    // first image is still held, as the host holds what it shows.
    for (int round = 0; round < 2; ++round) {
      const std::int32_t state = rnd.State();
      const std::string what = Describe(look, w, h, state) + " round " + std::to_string(round);
      std::int32_t fastState = state, plainState = state;
      std::shared_ptr<const Image> fastImage, plainImage;
      const std::string fastOutcome = Outcome([&] { fastImage = RedrawButton(fast, look, fastState); });
      const std::string plainOutcome = Outcome([&] { plainImage = reference::RedrawButton(plain, look, plainState); });
      ASSERT_EQ(fastOutcome, plainOutcome) << what;
      EXPECT_EQ(fastState, plainState) << what;
      if (fastImage && plainImage) {
        const auto diff = FirstDifference(*fastImage, *plainImage);
        ASSERT_FALSE(diff) << what << ": " << *diff;
      }
      ExpectSameSurface(fast, plain, what);
    }
  }
}

TEST_P(RenderEquality, ScaledLooksMatchThePlainRedraw) {
  // Device sizes of controls up to 100 pixels at ratios with whole, half and quarter steps; the
  // radius is mostly the one the shape step works out at that size.
  RandomLook rnd(31337);
  const double ratios[] = {1, 1.25, 1.5, 2, 3};
  for (int n = 0; n < 500; ++n) {
    const double ratio = ratios[rnd.Int(0, 4)];
    const std::int32_t w = CInt32(rnd.Int(1, 100) * ratio), h = CInt32(rnd.Int(1, 100) * ratio);
    ButtonLook look = rnd.Look(w, h);
    look.DevicePixelRatio = ratio;
    if (look.Style == 3 && rnd.Chance(60)) look.m_CornerRadius = CInt32(12 * ratio);
    look.Caption = rnd.Chance(50) ? "" : "Ab";
    look.PictureAlignment = rnd.Int(-1, 4);  // outside 0..3 the caption starts where the face left off
    const std::int32_t state = rnd.State();
    const std::string what = Describe(look, w, h, state) + " ratio " + std::to_string(ratio);
    Surface fast = MakeSurface(w, h, 0x123456), plain = MakeSurface(w, h, 0x123456);
    std::int32_t fastState = state, plainState = state;
    std::shared_ptr<const Image> fastImage, plainImage;
    ASSERT_EQ(Outcome([&] { fastImage = RedrawButton(fast, look, fastState); }),
              Outcome([&] { plainImage = reference::RedrawButton(plain, look, plainState); }))
        << what;
    if (fastImage && plainImage) {
      const auto diff = FirstDifference(*fastImage, *plainImage);
      ASSERT_FALSE(diff) << what << ": " << *diff;
    }
    ExpectSameSurface(fast, plain, what);
  }
}

TEST_P(RenderEquality, FacesPastFourThousandPixelsMatchThePlainRedraw) {
  RandomLook rnd(4097);
  for (const auto& [w, h] : {std::pair{8192, 9}, {9, 8192}, {4097, 61}, {6000, 260}}) {
    for (std::int32_t style = 2; style <= 6; ++style) {
      ButtonLook look = rnd.Look(w, h);
      look.Style = style;
      look.DevicePixelRatio = 1.0;
      look.m_CornerRadius = style == 3 ? 12 : style == 6 ? std::min(h, w) / 3 : std::min(h, w) / 2;
      Surface fast = MakeSurface(w, h, 0x123456), plain = MakeSurface(w, h, 0x123456);
      std::int32_t fastState = 0, plainState = 0;
      const auto fastImage = RedrawButton(fast, look, fastState);
      const auto diff = FirstDifference(*fastImage, *reference::RedrawButton(plain, look, plainState));
      ASSERT_FALSE(diff) << Describe(look, w, h, 0) << ": " << *diff;
    }
  }
}

TEST_P(RenderEquality, KeptFacesAreNeverStale) {
  // One surface redrawn as a host redraws it, every redraw checked against the plain one, while
  // what a face is made of changes underneath: a property, a system colour the look names, the
  // surface's back colour, the ratio and size. Each look and state comes round again, so kept
  // faces are served; none may be served for a face that has changed.
  FaceCache& faces = RenderContext::ForThisThread().faces;
  ASSERT_TRUE(faces.Enabled());
  const platform::SystemColorTable savedColors = platform::GetSystemColorTable();
  struct Restore {
    platform::SystemColorTable table;
    ~Restore() { platform::SetSystemColorTable(table); }
  } restore{savedColors};
  const std::uint64_t hitsBefore = faces.Hits();
  RandomLook rnd(4242);
  for (int n = 0; n < 60; ++n) {
    const double ratio = n % 20 < 10 ? 1.0 : 2.0;
    const bool tall = n % 30 == 29;  // past the row count whose layouts are kept
    const std::int32_t w = CInt32((tall ? 40 : 60) * ratio), h = CInt32((tall ? 1100 : 24) * ratio);
    ButtonLook look = rnd.Look(w, h);
    look.ScaleWidth = static_cast<float>(w);
    look.ScaleHeight = static_cast<float>(h);
    look.DevicePixelRatio = ratio;
    look.Style = n % 7;
    look.m_ColorButtonUp = static_cast<std::int32_t>(0x80000000u | platform::COLOR_BTNFACE);
    look.ParentBackColor = static_cast<std::int32_t>(0x80000000u | platform::COLOR_BTNFACE);
    Surface fast = MakeSurface(w, h, 0x123456), plain = MakeSurface(w, h, 0x123456);
    for (int round = 0; round < 12; ++round) {
      switch (round) {
        case 4: look.m_CornerRadius = look.m_CornerRadius + 1; break;
        case 6:
          platform::SetSysColor(platform::COLOR_BTNFACE, static_cast<platform::COLORREF>(rnd.Int(0, 0xFFFFFF)));
          break;
        case 8:
          fast.SetBackColor(rnd.Colour());
          plain.SetBackColor(fast.BackColor());
          fast.Clear();
          plain.Clear();
          break;
        case 10: look.m_ColorBright = rnd.Colour(); break;
        default: break;
      }
      const std::int32_t state = round % 3 == 0 ? 0 : round % 3 == 1 ? 3 : 1;
      const std::string what =
          Describe(look, w, h, state) + " ratio " + std::to_string(ratio) + " round " + std::to_string(round);
      std::int32_t fastState = state, plainState = state;
      std::shared_ptr<const Image> fastImage, plainImage;
      ASSERT_EQ(Outcome([&] { fastImage = RedrawButton(fast, look, fastState); }),
                Outcome([&] { plainImage = reference::RedrawButton(plain, look, plainState); }))
          << what;
      if (fastImage && plainImage) {
        const auto diff = FirstDifference(*fastImage, *plainImage);
        ASSERT_FALSE(diff) << what << ": " << *diff;
      }
      // Not the surfaces' pixels: reading them carries out the clear they owe, and only a surface
      // that owes its clear is served from the kept faces.
      EXPECT_EQ(fast.CurrentX(), plain.CurrentX()) << what;
      EXPECT_EQ(fast.CurrentY(), plain.CurrentY()) << what;
    }
  }
  EXPECT_GT(faces.Hits(), hitsBefore) << "no redraw was served from the kept faces";
}

TEST(RenderContext, ControlsOnTwoThreadsDrawWhatOneDraws) {
  // Each thread keeps its own faces and layouts: two threads redrawing the same buttons at once,
  // each look coming round again so that kept faces are served, draw what the plain redraw does.
  RandomLook rnd(77);
  std::vector<ButtonLook> looks;
  for (int n = 0; n < 14; ++n) {
    const std::int32_t w = n % 2 ? 90 : 31, h = n % 2 ? 28 : 17;
    ButtonLook look = rnd.Look(w, h);
    look.ScaleWidth = static_cast<float>(w);
    look.ScaleHeight = static_cast<float>(h);
    look.DevicePixelRatio = 1.0;
    look.Style = n % 7;
    looks.push_back(look);
  }
  std::atomic<int> waiting{2};
  const auto draw = [&](bool plain) {
    if (!plain) {  // both threads start together
      --waiting;
      while (waiting.load() > 0) std::this_thread::yield();
    }
    std::vector<std::vector<std::uint32_t>> images;
    for (int round = 0; round < 20; ++round)
      for (const ButtonLook& look : looks) {
        Surface s = MakeSurface(CInt32(look.ScaleWidth), CInt32(look.ScaleHeight), 0x123456);
        for (std::int32_t state : {0, 3, 1, 3}) {
          std::int32_t drawn = state;
          images.push_back((plain ? reference::RedrawButton(s, look, drawn) : RedrawButton(s, look, drawn))->pixels);
        }
      }
    return images;
  };
  std::vector<std::vector<std::uint32_t>> first, second;
  std::thread a([&] { first = draw(false); });
  std::thread b([&] { second = draw(false); });
  a.join();
  b.join();
  const auto plain = draw(true);
  ASSERT_EQ(first.size(), plain.size());
  for (std::size_t k = 0; k < plain.size(); ++k) {
    EXPECT_TRUE(first[k] == plain[k]) << "first thread, redraw " << k;
    EXPECT_TRUE(second[k] == plain[k]) << "second thread, redraw " << k;
  }
}

using Renderer = void (*)(Surface&, const ButtonLook&, const std::int32_t&);

struct RendererPair {
  Renderer fast;
  Renderer plain;
};

RendererPair ForStyle(std::int32_t style) {
  switch (style) {
    case 0: return {RenderStyle0, reference::RenderStyle0};
    case 1: return {RenderStyle1, reference::RenderStyle1};
    case 6: return {RenderStyle6, reference::RenderStyle6};
    default: return {RenderStyleN, reference::RenderStyleN};
  }
}

TEST_P(RenderEquality, RenderersLeaveUnpaintedPixelsAsTheyFoundThem) {
  RandomLook rnd(7);
  for (int n = 0; n < 700; ++n) {
    const std::int32_t w = rnd.Side(), h = rnd.Side();
    ButtonLook look = rnd.Look(w, h);
    look.Style = rnd.Int(0, 6);
    const std::int32_t state = rnd.State();
    const std::string what = Describe(look, w, h, state);
    Surface fast = MakeSurface(w, h, 0x123456);
    RandomLook noise(static_cast<std::uint32_t>(n));
    Scribble(fast, noise);
    Surface plain = fast;
    if (rnd.Chance(30)) (void)fast.Image();  // a published drawing must stay as it was
    const std::shared_ptr<const Image> before = fast.Image();
    const Image copyBefore = *before;
    const RendererPair pair = ForStyle(look.Style);
    const std::string fastOutcome = Outcome([&] { pair.fast(fast, look, state); });
    const std::string plainOutcome = Outcome([&] { pair.plain(plain, look, state); });
    ASSERT_EQ(fastOutcome, plainOutcome) << what;
    ExpectSameSurface(fast, plain, what);
    ASSERT_EQ(*before, copyBefore) << what << ": the published image changed";
  }
}

TEST_P(RenderEquality, FacePaintersMatchForOtherOriginsAndOddSizes) {
  RandomLook rnd(99);
  for (int n = 0; n < 300; ++n) {
    const std::int32_t w = rnd.Side(), h = rnd.Side();
    ButtonLook look = rnd.Look(w, h);
    const std::int32_t X0 = rnd.Chance(70) ? 0 : rnd.Int(-20, 20);
    const std::int32_t Y0 = rnd.Chance(70) ? 0 : rnd.Int(-20, 20);
    const std::int32_t W = rnd.Int(-3, w + 3), H = rnd.Int(-3, h + 3);
    const std::int32_t colour = rnd.Colour();
    FaceParams P;
    ASSERT_TRUE(MakeFaceParams(P, rnd.Int(2, 5), look.m_CornerRadius, static_cast<float>(w), static_cast<float>(h)));
    const std::string what = Describe(look, w, h, 0) + " origin " + std::to_string(X0) + "," + std::to_string(Y0) +
                             " W " + std::to_string(W) + " H " + std::to_string(H);
    Surface fast = MakeSurface(w, h, 0x123456);
    if (rnd.Chance(50)) {
      RandomLook noise(static_cast<std::uint32_t>(n));
      Scribble(fast, noise);
    }
    Surface plain = fast;
    Surface fast6 = fast, plain6 = fast;
    ASSERT_EQ(Outcome([&] { DrawStyleNFace(fast, look, X0, Y0, W, H, colour, P); }),
              Outcome([&] { reference::DrawStyleNFace(plain, look, X0, Y0, W, H, colour, P); }))
        << what;
    ExpectSameSurface(fast, plain, what);
    ASSERT_EQ(Outcome([&] { DrawStyle6Face(fast6, look, X0, Y0, W, H, colour); }),
              Outcome([&] { reference::DrawStyle6Face(plain6, look, X0, Y0, W, H, colour); }))
        << what;
    ExpectSameSurface(fast6, plain6, what + " (style 6)");
  }
}

// The faces rely on a fill writing exactly its pixels, and past its end only within the room it
// is given: fills of every short length and a few long ones, end to end and with gaps.
TEST_P(RenderEquality, FillsWriteTheirPixelsAndNothingPastTheRoom) {
  std::vector<Fill> fills;
  std::size_t at = 3;
  for (std::uint32_t n = 1; n <= 20; ++n) {
    fills.push_back({at, n, n % 4});
    at += n + (n % 3 == 0 ? 0 : n % 5);
  }
  fills.push_back({at, 100, 1});
  const std::size_t end = at + 100;
  const std::uint32_t table[] = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004};
  constexpr std::uint32_t kUntouched = 0x12345678;
  for (const std::ptrdiff_t room :
       {std::ptrdiff_t{0}, std::ptrdiff_t{19}, std::ptrdiff_t{39}, static_cast<std::ptrdiff_t>(end)}) {
    std::vector<std::uint32_t> pixels(end + 16, kUntouched);
    PaintFills(pixels.data(), fills.data(), fills.data() + fills.size(), table, room);
    std::vector<bool> inFill(pixels.size(), false);
    for (const Fill& f : fills)
      for (std::size_t i = f.offset; i < f.offset + f.n; ++i) {
        inFill[i] = true;
        ASSERT_EQ(pixels[i], table[f.colour]) << "room " << room << ", pixel " << i;
      }
    for (std::size_t i = 0; i < pixels.size(); ++i)
      if (!inFill[i] && (i < fills.front().offset || static_cast<std::ptrdiff_t>(i) >= room))
        ASSERT_EQ(pixels[i], kUntouched) << "room " << room << ", pixel " << i << " outside every fill";
  }
}

}  // namespace
