// The control's drawing: what it publishes, that a failed drawing keeps the old image, and the
// surface holding the Font property and the caption colour.
#include <gtest/gtest.h>

#include <stdexcept>

#include "glossbutton/render/Surface.h"
#include "tests/support/ControlFixture.h"
#include "tests/support/GlossButtonTestAccess.h"

namespace gloss {
namespace {

class ThrowingTextEngine : public TextEngine {
 public:
  double TextWidth(const Font&, const std::string&) override { throw std::runtime_error("no font"); }
  double TextHeight(const Font&, const std::string&) override { throw std::runtime_error("no font"); }
  void Print(PixelView, double, double, const Font&, std::uint32_t, const std::string&) override {
    throw std::runtime_error("no font");
  }
};

struct RedrawWiring : test::ControlFixture {
  void SetUp() override {
    PropertyBag bag;
    bag.WriteText("Caption", "");
    Load(bag);
    button.Resize();
  }
  Image Cleared() const {
    return Image(button.Picture1().Width(), button.Picture1().Height(),
                 Surface::ToPixel(button.Picture1().BackColor()));
  }
};

TEST_F(RedrawWiring, EachRedrawPublishesAFreshImageAndClearsTheSurface) {
  ASSERT_EQ(host.publishedImages.size(), 1u);
  const auto first = host.publishedImages[0];
  EXPECT_EQ(first->width, 100);
  EXPECT_EQ(first->height, 30);
  EXPECT_NE(*first, Cleared());  // the style 0 body was drawn
  EXPECT_EQ(button.Picture1().Pixels(), Cleared());

  button.SetCaption("Hi");
  ASSERT_EQ(host.publishedImages.size(), 2u);
  EXPECT_NE(*host.publishedImages[1], *first);
  EXPECT_EQ(button.PublishedImage(), host.publishedImages[1]);
}

TEST_F(RedrawWiring, FailedDrawingKeepsTheOldImageAndLeavesTheSurfaceAsItWas) {
  const auto before = button.PublishedImage();
  ThrowingTextEngine failing;
  host.text = &failing;
  EXPECT_THROW(button.SetCaption("OK"), std::runtime_error);
  EXPECT_EQ(host.publishedImages.size(), 1u);
  EXPECT_EQ(button.PublishedImage(), before);
  EXPECT_NE(button.Picture1().Pixels(), Cleared());  // the body drawn before the caption failed

  host.text = &host.fixedText;
  std::int32_t state = 0;
  GlossButtonTestAccess::Redraw(button, state);
  EXPECT_EQ(host.publishedImages.size(), 2u);
  EXPECT_EQ(button.Picture1().Pixels(), Cleared());
}

TEST_F(RedrawWiring, FontLivesOnTheSurfaceAndReachesTheTextEngine) {
  const Font arial{"Arial", 12.0, 700, 0, true, false, false};
  button.SetFont(arial);
  EXPECT_EQ(button.Font(), arial);
  EXPECT_EQ(button.Picture1().Font(), arial);

  button.SetCaption("Go");
  ASSERT_FALSE(host.fixedText.Calls().empty());
  EXPECT_EQ(host.fixedText.Calls().back().font, arial);

  PropertyBag out;
  button.WriteProperties(out);
  EXPECT_EQ(out.ReadFont("Font", Font{}), arial);

  PropertyBag in;
  const Font tahoma{"Tahoma", 8.0, 400, 0, false, false, false};
  in.WriteFont("Font", tahoma);
  Load(in);
  EXPECT_EQ(button.Picture1().Font(), tahoma);
}

TEST_F(RedrawWiring, ForeColorSetterColoursTheSurfaceAndTheCaption) {
  button.SetCaption("ab");
  button.SetForeColor(0x0000FF);  // OLE red
  EXPECT_EQ(button.Picture1().ForeColor(), 0x0000FF);
  ASSERT_FALSE(host.fixedText.Calls().empty());
  EXPECT_EQ(host.fixedText.Calls().back().color, 0xFFFF0000u);
  // Two 7 x 13 cells centred on 100 x 30 start at (50 - 7, 15 - 6).
  EXPECT_EQ(button.PublishedImage()->At(43, 9), 0xFFFF0000u);
}

TEST_F(RedrawWiring, PublicDrawIconWCaptionDrawsOverTheSurfaceAndPublishesWithoutClearing) {
  PropertyBag bag;
  bag.WriteText("Caption", "ab");
  bag.WriteInt32("ForeColor", 0xFF0000);  // OLE blue
  bag.WriteInt32("Style", 9);             // no body
  Load(bag);
  const auto count = host.publishedImages.size();

  const std::int32_t pressed = 1;
  button.DrawIconWCaption(pressed);
  ASSERT_EQ(host.publishedImages.size(), count + 1);
  const Image& shown = *host.publishedImages.back();
  EXPECT_EQ(shown.At(44, 10), 0xFF0000FFu);  // one pixel right and down of (43, 9)
  EXPECT_EQ(shown.At(43, 9), Cleared().At(43, 9));
  EXPECT_EQ(button.Picture1().PixelAt(44, 10), 0xFF0000FFu);
}

TEST_F(RedrawWiring, PictureIsDrawnFromTheHostsScale) {
  auto pic = std::make_shared<Picture>();
  pic->image = Image(4, 4, 0xFF00FF00u);
  pic->widthHimetric = 106;  // 4 px at 96 dpi (105.8 HIMETRIC), rounded by the host's scale
  pic->heightHimetric = 106;
  PropertyBag bag;
  bag.WriteText("Caption", "");
  bag.WritePicture("Picture", pic);
  bag.WriteInt32("PictureAlignment", 2);
  bag.WriteInt32("Style", 9);
  Load(bag);
  std::int32_t state = 0;
  GlossButtonTestAccess::Redraw(button, state);
  // Alignment 2 with no rounded shape yet: margin 8, (30 - 4) \ 2 = 13.
  EXPECT_EQ(button.PublishedImage()->At(8, 13), 0xFF00FF00u);
  EXPECT_EQ(button.PublishedImage()->At(11, 16), 0xFF00FF00u);
  EXPECT_NE(button.PublishedImage()->At(12, 13), 0xFF00FF00u);
}

TEST_F(RedrawWiring, AHostThatCannotGiveItsColourGetsTheButtonWithoutBackground) {
  PropertyBag bag;
  bag.WriteText("Caption", "");
  bag.WriteInt32("Style", 1);  // a flat style: the host's colour around the body
  Load(bag);
  host.parentBackColor = 0x00C0A080;
  const std::uint32_t hostPx = Surface::ToPixel(host.parentBackColor);
  std::int32_t state = 3;
  GlossButtonTestAccess::Redraw(button, state);
  const Image withColour = *button.PublishedImage();
  ASSERT_EQ(withColour.At(0, 0), hostPx);

  host.parentBackColorThrows = true;
  state = 3;
  ASSERT_NO_THROW(GlossButtonTestAccess::Redraw(button, state));
  const Image without = *button.PublishedImage();
  ASSERT_EQ(host.publishedImages.size(), 3u);
  // The same body; where the host's colour was, the surface's own clear colour shows.
  const Image cleared = Cleared();
  int background = 0, body = 0;
  for (std::size_t i = 0; i < without.pixels.size(); ++i) {
    if (withColour.pixels[i] == hostPx) {
      EXPECT_EQ(without.pixels[i], cleared.pixels[i]) << i;
      ++background;
    } else {
      EXPECT_EQ(without.pixels[i], withColour.pixels[i]) << i;
      ++body;
    }
  }
  EXPECT_GT(background, 0);
  EXPECT_GT(body, 0);
}

}  // namespace
}  // namespace gloss
