// Form1 as the stored layout builds it: the window, where each control sits, the stacking, the
// labels' texts, colours, fonts and cursors, and the two buttons' faces.
#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QRawFont>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "ProgramEnv.h"
#include "app/FormLabel.h"
#include "app/PictureBox.h"
#include "glossbutton/GlossButton.h"
#include "host/qt/ControlSite.h"

namespace {

class FormLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { form = &ProgramEnv::Get().Form(); }
  app::Form1* form = nullptr;
};

TEST_F(FormLayoutTest, WindowIsFramelessAtItsClientSizeWithCaptionAndIcon) {
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->size(), QSize(519, 368));
  ASSERT_NE(form->windowHandle(), nullptr);
  EXPECT_EQ(form->windowHandle()->geometry().size(), QSize(519, 368));
  EXPECT_EQ(form->windowTitle(), "Korvane");
  EXPECT_EQ(form->windowIcon().pixmap(64, 64).size(), QSize(64, 64));
  EXPECT_EQ(form->BackgroundPicture().size(), QSize(522, 371));
}

TEST_F(FormLayoutTest, ControlsSitWhereTheLayoutPutsThem) {
  struct Expected {
    const char* name;
    QRect rect;
  };
  // Pixels at 15 twips a pixel; the portal pane's -416 twips lands on -27.7 and rounds to -28.
  const Expected expected[] = {
      {"WebBrowser2", {336, 176, 169, 161}}, {"GlossButton3", {488, 0, 25, 25}},    {"GlossButton1", {464, 0, 25, 25}},
      {"Picture1", {232, 0, 93, 373}},       {"WebBrowser1", {-28, -64, 281, 561}}, {"Label4", {336, 16, 49, 17}},
      {"Label3", {416, 40, 41, 17}},         {"Label2", {336, 40, 57, 17}},         {"Label1", {352, 344, 145, 17}},
  };
  for (const auto& e : expected) {
    QWidget* w = form->Control(e.name);
    ASSERT_NE(w, nullptr) << e.name;
    EXPECT_EQ(w->geometry(), e.rect) << e.name;
    EXPECT_EQ(w->parentWidget(), form) << e.name;
  }
  EXPECT_EQ(form->Timer1()->interval(), 500);
  EXPECT_TRUE(form->Timer1()->isActive());
}

TEST_F(FormLayoutTest, StackingFollowsTheLayoutTopFirst) {
  const char* topFirst[] = {"WebBrowser2", "GlossButton3", "GlossButton1", "Picture1", "WebBrowser1",
                            "Label4",      "Label3",       "Label2",       "Label1"};
  const QObjectList& children = form->children();  // bottom of the stack first
  int above = static_cast<int>(children.size());
  for (const char* name : topFirst) {
    const int at = static_cast<int>(children.indexOf(form->Control(name)));
    ASSERT_GE(at, 0) << name;
    EXPECT_LT(at, above) << name << " should lie below the control listed before it";
    above = at;
  }
  // The strip covers the right-hand edge of the portal pane.
  auto isIn = [&](QWidget* hit, QWidget* control) { return hit == control || control->isAncestorOf(hit); };
  EXPECT_TRUE(isIn(form->childAt(245, 200), form->Picture1()));
  EXPECT_TRUE(isIn(form->childAt(100, 200), form->WebBrowser1()));
  EXPECT_EQ(form->childAt(420, 120), nullptr) << "the background is the form's own";
}

TEST_F(FormLayoutTest, LabelsCarryTheirCaptionsColoursAndCursors) {
  EXPECT_EQ(form->Label2()->Caption(), QString::fromUtf8("开启音乐"));
  EXPECT_EQ(form->Label3()->Caption(), QString::fromUtf8("换  曲"));
  EXPECT_EQ(form->Label4()->Caption(), QString::fromUtf8("刷 新"));
  for (app::FormLabel* label : {form->Label2(), form->Label3(), form->Label4()}) {
    EXPECT_EQ(label->ForeColor(), 0xFF0000) << label->objectName().toStdString();
    // Red in the low byte: 0xFF0000 is blue.
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(label->autoFillBackground()) << "labels are transparent";
    const QCursor cursor = label->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(12, 9));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
  }
  EXPECT_NE(form->Label1()->cursor().shape(), Qt::BitmapCursor);
}

// True when every character of `text` has a glyph in `font` or its fallbacks (no boxes).
bool HasAllGlyphs(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  int glyphs = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    for (quint32 index : run.glyphIndexes()) {
      if (index == 0) return false;
      ++glyphs;
    }
  }
  return glyphs > 0;
}

TEST_F(FormLayoutTest, ContactLineUsesTheSongStandInBoldAndEveryCaptionHasGlyphs) {
  const QFont font = form->Label1()->font();
  const QFontInfo info(font);
  EXPECT_TRUE(info.family().contains("UMing")) << info.family().toStdString();
  EXPECT_TRUE(info.bold());
  EXPECT_EQ(info.pixelSize(), 12) << "9 pt at 96 dpi";
  EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(QChar(0x90AE)));  // 邮
  for (app::FormLabel* label : {form->Label1(), form->Label2(), form->Label3(), form->Label4()})
    EXPECT_TRUE(HasAllGlyphs(label->font(), label->Caption().remove(QLatin1Char(' '))))
        << label->objectName().toStdString();
}

// Share of the button's pixels whose colour is dominated by one channel.
double Share(const QImage& image, int channel) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int v[3] = {c.red(), c.green(), c.blue()};
      const int other = std::max(v[(channel + 1) % 3], v[(channel + 2) % 3]);
      if (v[channel] > other + 60) ++n;
    }
  }
  return double(n) / (image.width() * image.height());
}

TEST_F(FormLayoutTest, MinimiseButtonIsGreenAndCloseButtonRed) {
  const gloss::GlossButton& minimise = form->GlossButton1()->Button();
  const gloss::GlossButton& close = form->GlossButton3()->Button();
  EXPECT_EQ(minimise.Caption(), "-");
  EXPECT_EQ(close.Caption(), "×");
  EXPECT_EQ(minimise.Style(), 3);
  EXPECT_EQ(close.ColorButtonUp(), 255);
  EXPECT_EQ(close.Font().name, "Tahoma");

  // What the window shows at each button's place.
  QTest::qWait(50);
  const QImage shot = form->grab().toImage();
  const QImage green = shot.copy(464, 0, 24, 25);  // its last column lies under the close button
  const QImage red = shot.copy(488, 0, 25, 25);
  EXPECT_GT(Share(green, 1), 0.5);
  EXPECT_GT(Share(red, 0), 0.5);
  EXPECT_LT(Share(green, 0), 0.05);
  EXPECT_LT(Share(red, 1), 0.05);
}

}  // namespace
