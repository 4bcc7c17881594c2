// The stored design of Form1 as the program reads it from its resource.
#include <gtest/gtest.h>

#include <QByteArray>

#include "app/layout/Layout.h"

namespace {

using app::ControlKind;
using app::FormLayout;
using app::StoredValue;

const FormLayout& Form1() {
  static const FormLayout form = app::LoadLayout(app::kForm1LayoutPath);
  return form;
}

const app::ControlLayout& Control(const std::string& name) {
  const auto* c = Form1().Find(name);
  if (!c) throw std::runtime_error("no control " + name);
  return *c;
}

TEST(TwipsToPixels, RoundsHalvesToEven) {
  EXPECT_EQ(app::TwipsToPixels(22.5), 2);  // 1.5
  EXPECT_EQ(app::TwipsToPixels(37.5), 2);  // 2.5
  EXPECT_EQ(app::TwipsToPixels(52.5), 4);  // 3.5
  EXPECT_EQ(app::TwipsToPixels(-22.5), -2);
  EXPECT_EQ(app::TwipsToPixels(-37.5), -2);
  EXPECT_EQ(app::TwipsToPixels(7.4), 0);
  EXPECT_EQ(app::TwipsToPixels(7.6), 1);
  EXPECT_EQ(app::TwipsToPixels(-416), -28);  // -27.73
  EXPECT_EQ(app::TwipsToPixels(3799), 253);  // 253.27
}

TEST(Form1Layout, WindowProperties) {
  const auto& f = Form1();
  EXPECT_EQ(f.name, "Form1");
  EXPECT_EQ(f.caption, "Korvane");
  EXPECT_EQ(f.borderStyle, 0);
  EXPECT_FALSE(f.controlBox);
  EXPECT_EQ(f.startUpPosition, 0);
  EXPECT_EQ(f.clientWidthTwips, 7785);
  EXPECT_EQ(f.clientHeightTwips, 5520);
  EXPECT_EQ(f.clientPixels.left, 603);
  EXPECT_EQ(f.clientPixels.top, 97);
  EXPECT_EQ(f.clientPixels.width, 519);
  EXPECT_EQ(f.clientPixels.height, 368);
  EXPECT_EQ(f.backColor, 0xFFFFFF);
  EXPECT_EQ(f.picture, ":/assets/background.bmp");
  EXPECT_EQ(f.icon, ":/assets/korvane.ico");
  EXPECT_FALSE(f.font.has_value());
}

struct Placement {
  const char* name;
  ControlKind kind;
  int left, top, width, height;
  int tab;  // -1: none
};

TEST(Form1Layout, EveryControlInStackingOrderWithPixelBoxes) {
  const Placement expected[] = {
      {"WebBrowser2", ControlKind::WebBrowser, 336, 176, 169, 161, 5},
      {"Timer1", ControlKind::Timer, 336, 264, 0, 0, -1},
      {"GlossButton3", ControlKind::GlossButton, 488, 0, 25, 25, 3},
      {"GlossButton1", ControlKind::GlossButton, 464, 0, 25, 25, 2},
      {"Picture1", ControlKind::PictureBox, 232, 0, 93, 373, 1},
      {"WebBrowser1", ControlKind::WebBrowser, -28, -64, 281, 561, 0},
      {"Label4", ControlKind::Label, 336, 16, 49, 17, 8},
      {"Label3", ControlKind::Label, 416, 40, 41, 17, 7},
      {"Label2", ControlKind::Label, 336, 40, 57, 17, 6},
      {"Label1", ControlKind::Label, 352, 344, 145, 17, 4},
  };
  const auto& controls = Form1().controls;
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    const auto& c = controls[i];
    EXPECT_EQ(c.name, expected[i].name);
    EXPECT_EQ(c.kind, expected[i].kind);
    EXPECT_EQ(c.pixels.left, expected[i].left);
    EXPECT_EQ(c.pixels.top, expected[i].top);
    EXPECT_EQ(c.pixels.width, expected[i].width);
    EXPECT_EQ(c.pixels.height, expected[i].height);
    if (expected[i].tab < 0) {
      EXPECT_FALSE(c.tabIndex.has_value());
    } else {
      ASSERT_TRUE(c.tabIndex.has_value());
      EXPECT_EQ(*c.tabIndex, expected[i].tab);
    }
  }
}

TEST(Form1Layout, PortalPaneIsCutByWindowAndStrip) {
  const auto& pane = Control("WebBrowser1");
  EXPECT_EQ(pane.leftTwips, -416);
  EXPECT_EQ(pane.leftTwips + pane.widthTwips, 3799);
  EXPECT_EQ(pane.pixels.left + pane.pixels.width, 253);
  EXPECT_EQ(pane.pixels.top + pane.pixels.height, 497);  // below the 368 px window
  EXPECT_EQ(Control("Picture1").pixels.left, 232);       // the strip covers the pane's right edge
  EXPECT_EQ(pane.extentX, 7435);
  EXPECT_EQ(pane.extentY, 14843);
  EXPECT_EQ(pane.location, "");
  EXPECT_TRUE(pane.visible);

  const auto& music = Control("WebBrowser2");
  EXPECT_TRUE(music.visible);  // hidden at load, not in the stored design
  EXPECT_EQ(music.extentX, 4471);
  EXPECT_EQ(music.extentY, 4260);
}

TEST(Form1Layout, ButtonsSitInTheTopRightCorner) {
  const auto& close = Control("GlossButton3");
  const auto& minimise = Control("GlossButton1");
  EXPECT_EQ(close.pixels.left + close.pixels.width, 513);
  EXPECT_EQ(close.pixels.left - minimise.pixels.left, 24);
}

TEST(Form1Layout, TabOrder) {
  const std::vector<std::string> order{"WebBrowser1", "Picture1", "GlossButton1", "GlossButton3", "Label1",
                                       "WebBrowser2", "Label2",   "Label3",       "Label4"};
  EXPECT_EQ(Form1().TabOrder(), order);
}

TEST(Form1Layout, TimerPictureAndLabels) {
  const auto& timer = Control("Timer1");
  EXPECT_EQ(timer.interval, 500);
  EXPECT_TRUE(timer.enabled);

  const auto& strip = Control("Picture1");
  EXPECT_EQ(strip.picture, ":/assets/strip.bmp");
  EXPECT_EQ(static_cast<std::uint32_t>(strip.backColor), 0x80000005u);
  EXPECT_EQ(static_cast<std::uint32_t>(strip.foreColor), 0x80000008u);

  EXPECT_EQ(Control("Label2").caption, "开启音乐");
  EXPECT_EQ(Control("Label3").caption, "换  曲");
  EXPECT_EQ(Control("Label4").caption, "刷 新");
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Control(name).foreColor, 0xFF0000);
    EXPECT_TRUE(Control(name).transparent);
  }
  for (const char* name : {"Label2", "Label3", "Label4"}) {
    SCOPED_TRACE(name);
    const auto& l = Control(name);
    EXPECT_FALSE(l.font.has_value());
    EXPECT_EQ(l.mousePointer, 99);
    ASSERT_TRUE(l.mouseIcon.has_value());
    EXPECT_EQ(l.mouseIcon->image, ":/assets/hand.png");
    EXPECT_EQ(l.mouseIcon->hotX, 12);
    EXPECT_EQ(l.mouseIcon->hotY, 9);
  }
  const auto& contact = Control("Label1");
  EXPECT_EQ(contact.mousePointer, 0);
  EXPECT_FALSE(contact.mouseIcon.has_value());
  EXPECT_FALSE(contact.caption.empty());
  ASSERT_TRUE(contact.font.has_value());
  gloss::Font song;
  song.name = "宋体";
  song.size = 9;
  song.weight = 700;
  song.charset = 134;
  EXPECT_EQ(*contact.font, song);
}

struct Expected {
  const char* key;
  StoredValue::Type type;
  std::int32_t number;  // long, or boolean as -1/0
  const char* text;
};

void ExpectProperties(const std::vector<app::StoredProperty>& actual, const std::vector<Expected>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(expected[i].key);
    EXPECT_EQ(actual[i].key, expected[i].key);
    EXPECT_EQ(actual[i].value.type, expected[i].type);
    switch (expected[i].type) {
      case StoredValue::Type::Long: EXPECT_EQ(actual[i].value.longValue, expected[i].number); break;
      case StoredValue::Type::Boolean: EXPECT_EQ(actual[i].value.booleanValue, expected[i].number); break;
      case StoredValue::Type::Text: EXPECT_EQ(actual[i].value.textValue, expected[i].text); break;
      case StoredValue::Type::Font: EXPECT_EQ(actual[i].value.fontValue, gloss::Font{}); break;
    }
  }
}

TEST(Form1Layout, ButtonPropertySets) {
  using T = StoredValue::Type;
  // Written in the control's write order; ForeColor, Picture and PictureAlignment hold their
  // defaults and are left out.
  ExpectProperties(Control("GlossButton1").properties, {{"_extentx", T::Long, 661, ""},
                                                        {"_extenty", T::Long, 661, ""},
                                                        {"font", T::Font, 0, ""},
                                                        {"caption", T::Text, 0, "-"},
                                                        {"style", T::Long, 3, ""},
                                                        {"checked", T::Boolean, 0, ""},
                                                        {"colorbuttonhover", T::Long, 32768, ""},
                                                        {"colorbuttonup", T::Long, 65280, ""},
                                                        {"colorbuttondown", T::Long, 65280, ""},
                                                        {"borderbrightness", T::Long, 0, ""},
                                                        {"colorbright", T::Long, 65280, ""},
                                                        {"displayhand", T::Boolean, 0, ""},
                                                        {"colorscheme", T::Long, 0, ""}});
  ExpectProperties(Control("GlossButton3").properties, {{"_extentx", T::Long, 661, ""},
                                                        {"_extenty", T::Long, 661, ""},
                                                        {"font", T::Font, 0, ""},
                                                        {"caption", T::Text, 0, "\xC3\x97"},  // U+00D7
                                                        {"style", T::Long, 3, ""},
                                                        {"checked", T::Boolean, 0, ""},
                                                        {"colorbuttonhover", T::Long, 128, ""},
                                                        {"colorbuttonup", T::Long, 255, ""},
                                                        {"colorbuttondown", T::Long, 255, ""},
                                                        {"borderbrightness", T::Long, 0, ""},
                                                        {"colorbright", T::Long, 8421631, ""},
                                                        {"displayhand", T::Boolean, 0, ""},
                                                        {"colorscheme", T::Long, 0, ""}});
}

TEST(ParseLayout, FractionalTwipsRoundHalvesToEven) {
  const QByteArray json = R"({"format":1,
    "form":{"name":"F","caption":"c","borderStyle":0,"controlBox":false,"startUpPosition":0,
            "clientLeft":22.5,"clientTop":37.5,"clientWidth":52.5,"clientHeight":67.5,"scaleMode":"twips",
            "backColor":"0x00FFFFFF","picture":"","icon":"","font":null},
    "controls":[{"name":"B","kind":"WebBrowser","left":-37.5,"top":67.5,"width":82.5,"height":97.5,
                 "tabIndex":0,"visible":false,"extentX":1,"extentY":2,"location":"x"}],
    "cursors":{}})";
  const FormLayout f = app::ParseLayout(json);
  EXPECT_EQ(f.clientPixels.left, 2);
  EXPECT_EQ(f.clientPixels.top, 2);
  EXPECT_EQ(f.clientPixels.width, 4);
  EXPECT_EQ(f.clientPixels.height, 4);
  const auto& b = f.controls.at(0);
  EXPECT_EQ(b.pixels.left, -2);   // -2.5
  EXPECT_EQ(b.pixels.top, 4);     // 4.5
  EXPECT_EQ(b.pixels.width, 6);   // 5.5
  EXPECT_EQ(b.pixels.height, 6);  // 6.5
  EXPECT_FALSE(b.visible);
  EXPECT_EQ(b.location, "x");
}

}  // namespace
