// What the layout hands on: the buttons' property bags and the artwork it names.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include "app/layout/Layout.h"
#include "app/layout/LayoutBag.h"
#include "tests/support/DefaultColors.h"

namespace {

const app::FormLayout& Form1() {
  static const app::FormLayout form = app::LoadLayout(app::kForm1LayoutPath);
  return form;
}

TEST(LayoutBag, CarriesEveryStoredValueWithItsType) {
  const gloss::PropertyBag bag = app::MakePropertyBag(Form1().Find("GlossButton3")->properties);
  const std::vector<std::string> keys{
      "_extentx",    "_extenty",         "font",          "caption",         "style",
      "checked",     "colorbuttonhover", "colorbuttonup", "colorbuttondown", "borderbrightness",
      "colorbright", "displayhand",      "colorscheme"};
  EXPECT_EQ(bag.Keys(), keys);
  // Read back with defaults that differ from the stored values, so a missing key shows.
  EXPECT_EQ(bag.ReadText("Caption", "GlossButton"), "\xC3\x97");
  EXPECT_EQ(bag.ReadInt32("Style", 0), 3);
  EXPECT_EQ(bag.ReadInt32("ColorButtonUp", gloss::test::kDefaultColors.up), 255);
  EXPECT_EQ(bag.ReadInt32("ColorButtonHover", gloss::test::kDefaultColors.hover), 128);
  EXPECT_EQ(bag.ReadInt32("ColorBright", gloss::test::kDefaultColors.bright), 8421631);
  EXPECT_EQ(bag.ReadInt32("ColorScheme", 7), 0);
  EXPECT_FALSE(bag.ReadBoolean("Checked", true));
  EXPECT_FALSE(bag.ReadBoolean("DisplayHand", true));
  EXPECT_EQ(bag.TypeOf("checked"), gloss::PropertyBag::Type::Boolean);
  gloss::Font other;
  other.name = "Arial";
  EXPECT_EQ(bag.ReadFont("Font", other), gloss::Font{});
  EXPECT_FALSE(bag.Contains("ForeColor"));
  EXPECT_FALSE(bag.Contains("Picture"));
  EXPECT_FALSE(bag.Contains("PictureAlignment"));
}

struct Art {
  std::string path;
  QByteArray format;
  int width, height;
};

TEST(LayoutArtwork, EveryNamedImageIsLinkedInWithItsSize) {
  int argc = 1;
  char name[] = "qt_layout_test";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  const auto& f = Form1();
  const Art art[] = {
      {f.picture, "bmp", 522, 371},
      {f.Find("Picture1")->picture, "bmp", 93, 373},
      {f.icon, "ico", 64, 64},
      {":/assets/korvane.png", "png", 64, 64},
      {f.Find("Label2")->mouseIcon->image, "png", 32, 32},
  };
  for (const auto& a : art) {
    SCOPED_TRACE(a.path);
    QImageReader reader(QString::fromStdString(a.path));
    EXPECT_EQ(reader.format(), a.format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.width(), a.width);
    EXPECT_EQ(image.height(), a.height);
  }
  // The bitmaps are 24-bit: the depth field of the header says so.
  for (const std::string& bmp : {f.picture, f.Find("Picture1")->picture}) {
    QFile file(QString::fromStdString(bmp));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_EQ(static_cast<unsigned char>(header[28]), 24u) << bmp;
  }
  // The cursor's hot spot is a drawn pixel, the fingertip, with nothing above it.
  const QImage hand(QString::fromStdString(f.Find("Label2")->mouseIcon->image));
  const auto& cursor = *f.Find("Label2")->mouseIcon;
  EXPECT_EQ(hand.pixel(cursor.hotX, cursor.hotY), qRgb(0, 0, 0));
  for (int y = 0; y < cursor.hotY; ++y) {
    for (int x = 0; x < hand.width(); ++x) EXPECT_EQ(qAlpha(hand.pixel(x, y)), 0) << x << "," << y;
  }
}

}  // namespace
