// Writing a control's properties and reading them into a fresh control gives the same
// properties, over many generated property sets, including values at their defaults (which
// the omission rule leaves out) and out-of-range stored values. Each control lives in a window of
// its own, as the hosts run it.
#include <gtest/gtest.h>

#include <random>

#include "glossbutton/GlossButton.h"
#include "tests/support/DefaultColors.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TestControlWindow.h"

namespace gloss {
namespace {

using test::RecordingHost;
using test::TestControlWindow;

struct Props {
  Font font;
  std::string caption;
  std::int32_t foreColor, pictureAlignment, style, hover, up, down, borderBrightness, bright, scheme;
  PicturePtr picture;
  bool checked, displayHand;
};

Props PropsOf(const GlossButton& b) {
  return Props{b.Font(),
               b.Caption(),
               b.ForeColor(),
               b.PictureAlignment(),
               b.Style(),
               b.ColorButtonHover(),
               b.ColorButtonUp(),
               b.ColorButtonDown(),
               b.BorderBrightness(),
               b.ColorBright(),
               b.ColorScheme(),
               b.Picture(),
               b.Checked(),
               b.DisplayHand()};
}

void ExpectSame(const Props& a, const Props& b) {
  EXPECT_EQ(a.font, b.font);
  EXPECT_EQ(a.caption, b.caption);
  EXPECT_EQ(a.foreColor, b.foreColor);
  EXPECT_EQ(a.pictureAlignment, b.pictureAlignment);
  EXPECT_EQ(a.style, b.style);
  EXPECT_EQ(a.hover, b.hover);
  EXPECT_EQ(a.up, b.up);
  EXPECT_EQ(a.down, b.down);
  EXPECT_EQ(a.borderBrightness, b.borderBrightness);
  EXPECT_EQ(a.bright, b.bright);
  EXPECT_EQ(a.scheme, b.scheme);
  EXPECT_EQ(a.picture, b.picture);
  EXPECT_EQ(a.checked, b.checked);
  EXPECT_EQ(a.displayHand, b.displayHand);
}

class Generator {
 public:
  explicit Generator(RecordingHost& host) : m_Host(host) {}

  Props Next() {
    Props p;
    p.font = Pick<Font>({m_Host.ambientFont, Font{}, Font{"Arial", 12.0, 700, 0, true, false, false},
                         Font{"宋体", 9.0, 400, 134, false, true, false}});
    p.caption = Pick<std::string>({"GlossButton", "", "×", "OK", "Music on", "GlossButton1"});
    p.foreColor = Int(0, 0xFFFFFF);
    p.pictureAlignment = Int(-3, 5);
    p.style = Int(-1, 8);
    p.hover = Color(test::kDefaultColors.hover);
    p.up = Color(test::kDefaultColors.up);
    p.down = Color(test::kDefaultColors.down);
    p.bright = Color(test::kDefaultColors.bright);
    p.borderBrightness = Int(-150, 150);
    p.scheme = Int(-1, 8);
    p.picture = Chance() ? m_Picture : nullptr;
    p.checked = Chance();
    p.displayHand = Chance();
    return p;
  }

 private:
  template <class T>
  T Pick(std::initializer_list<T> options) {
    std::uniform_int_distribution<std::size_t> d(0, options.size() - 1);
    return *(options.begin() + d(m_Rng));
  }
  std::int32_t Int(std::int32_t lo, std::int32_t hi) {
    // Favour the defaults: they exercise the omission rule.
    if (Chance()) return 0 >= lo && 0 <= hi ? 0 : lo;
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(m_Rng);
  }
  std::int32_t Color(std::int32_t readingDefault) {
    switch (std::uniform_int_distribution<int>(0, 3)(m_Rng)) {
      case 0: return readingDefault;
      case 1: return 0;
      case 2: return static_cast<std::int32_t>(0x80000000u | 5u);  // a system colour reference
      default: return std::uniform_int_distribution<std::int32_t>(0, 0xFFFFFF)(m_Rng);
    }
  }
  bool Chance() { return std::bernoulli_distribution(0.5)(m_Rng); }

  RecordingHost& m_Host;
  std::mt19937 m_Rng{20240611u};
  PicturePtr m_Picture = std::make_shared<const Picture>(Picture{Image(2, 2), 53, 53});
};

PropertyBag BagOf(const Props& p) {
  PropertyBag bag;
  bag.WriteFont("Font", p.font);
  bag.WriteText("Caption", p.caption);
  bag.WriteInt32("ForeColor", p.foreColor);
  bag.WritePicture("Picture", p.picture);
  bag.WriteInt32("PictureAlignment", p.pictureAlignment);
  bag.WriteInt32("Style", p.style);
  bag.WriteBoolean("Checked", p.checked);
  bag.WriteInt32("ColorButtonHover", p.hover);
  bag.WriteInt32("ColorButtonUp", p.up);
  bag.WriteInt32("ColorButtonDown", p.down);
  bag.WriteInt32("BorderBrightness", p.borderBrightness);
  bag.WriteInt32("ColorBright", p.bright);
  bag.WriteBoolean("DisplayHand", p.displayHand);
  bag.WriteInt32("ColorScheme", p.scheme);
  return bag;
}

TEST(RoundTrip, StoredSetsSurviveWriteAndRead) {
  RecordingHost host;
  host.userMode = false;
  Generator gen(host);
  for (int i = 0; i < 400; ++i) {
    SCOPED_TRACE(i);
    const Props p = gen.Next();
    TestControlWindow a(host);
    a.Window().ReadProperties(BagOf(p));
    ExpectSame(PropsOf(a.Button()), p);

    PropertyBag saved;
    a.Button().WriteProperties(saved);
    TestControlWindow b(host);
    b.Window().ReadProperties(saved);
    ExpectSame(PropsOf(b.Button()), p);
    if (HasFailure()) return;
  }
}

TEST(RoundTrip, SetsMadeThroughTheSettersSurviveWriteAndRead) {
  RecordingHost host;
  host.userMode = false;
  Generator gen(host);
  for (int i = 0; i < 200; ++i) {
    SCOPED_TRACE(i);
    const Props p = gen.Next();
    TestControlWindow window(host);
    window.Window().InitProperties();
    GlossButton& a = window.Button();
    a.SetColorButtonHover(p.hover);
    a.SetColorScheme(p.scheme);
    a.SetColorButtonUp(p.up);
    a.SetFont(p.font);
    a.SetCaption(p.caption);
    a.SetForeColor(p.foreColor);
    a.SetPicture(p.picture);
    a.SetPictureAlignment(p.pictureAlignment);
    a.SetStyle(p.style);
    a.SetChecked(p.checked);
    a.SetBorderBrightness(p.borderBrightness);
    a.SetDisplayHand(p.displayHand);

    PropertyBag saved;
    a.WriteProperties(saved);
    TestControlWindow b(host);
    b.Window().ReadProperties(saved);
    ExpectSame(PropsOf(b.Button()), PropsOf(a));
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace gloss
