// A handler may delete the site, or the window that holds it, while the control is still inside
// the handler that raised the event. Nothing may touch the control, its hook or its window
// afterwards; the sanitizer build runs these too.
#include <QApplication>

#include <functional>

#include "SiteFixture.h"
#include "platform/Window.h"

namespace sitetest {
namespace {

using Strings = std::vector<std::string>;

// Deletes through `kill` when the named event arrives, and records what arrived.
class Deleter : public gloss::GlossButtonEvents {
 public:
  std::string on;
  std::function<void()> kill;
  Strings seen;

  void OnClick() override { Fire("Click"); }
  void OnDblClick() override { Fire("DblClick"); }
  void OnMouseEnter() override { Fire("MouseEnter"); }
  void OnMouseLeave() override { Fire("MouseLeave"); }
  void OnMouseMove(std::int16_t, std::int16_t, float, float) override { Fire("MouseMove"); }
  void OnMouseUp(std::int16_t, std::int16_t, float, float) override { Fire("MouseUp"); }
  void OnMouseDown(std::int16_t, std::int16_t, float, float) override { Fire("MouseDown"); }

 private:
  void Fire(const char* name) {
    seen.push_back(name);
    if (on == name && kill) std::exchange(kill, nullptr)();
  }
};

struct Case {
  const char* event;
  bool deleteParent;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.event << (c.deleteParent ? " deletes the parent" : " deletes the site");
}

class DeleteFromHandlerTest : public SiteFixture, public ::testing::WithParamInterface<Case> {
 protected:
  void Arm() {
    Load(StyleBag(3));
    site->SetEventListener(&deleter);
    deleter.on = GetParam().event;
    if (GetParam().deleteParent)
      deleter.kill = [this] { top.reset(); };
    else
      deleter.kill = [this] { delete site.data(); };
    hWnd = site->Hwnd();
  }

  // Drives the input that raises the armed event; stops once the site is gone.
  void Drive() {
    const std::string ev = GetParam().event;
    if (ev == "MouseDown" && GetParam().deleteParent) {
      FocusSite();
      QTest::keyPress(site.data(), Qt::Key_Return);  // keyboard path
      return;
    }
    MoveTo(kCentre);
    if (!site) return;
    if (ev == "MouseLeave") {
      MoveToWin(kOutside);
      return;
    }
    if (ev == "DblClick") {
      QTest::mouseDClick(Win(), Qt::LeftButton, {}, ToWin(kCentre));
      return;
    }
    Press(kCentre);
    if (!site) return;
    Release(kCentre);
  }

  Deleter deleter;
  platform::HWND hWnd = 0;
};

TEST_P(DeleteFromHandlerTest, NothingRunsForTheControlAfterTheHandlerDeletesIt) {
  Arm();
  Drive();
  QApplication::processEvents();

  EXPECT_TRUE(site.isNull());
  EXPECT_FALSE(platform::IsWindow(hWnd));
  ASSERT_FALSE(deleter.seen.empty());
  EXPECT_EQ(deleter.seen.back(), GetParam().event);  // nothing raised after the deletion
  EXPECT_EQ(platform::PostedMessageCount(), 0);

  // The rest of the program carries on.
  if (top) {
    MoveToWin(QPoint(100, 50));  // where the button was
    QTest::mouseClick(Win(), Qt::LeftButton, {}, QPoint(100, 50));
    MoveToWin(kOutside);
    EXPECT_TRUE(before);
  }
}

INSTANTIATE_TEST_SUITE_P(Events, DeleteFromHandlerTest,
                         ::testing::Values(Case{"Click", false}, Case{"MouseDown", false}, Case{"MouseUp", false},
                                           Case{"MouseEnter", false}, Case{"MouseLeave", false},
                                           Case{"MouseMove", false}, Case{"DblClick", false}, Case{"Click", true},
                                           Case{"MouseDown", true}),
                         [](const auto& info) {
                           return std::string(info.param.event) + (info.param.deleteParent ? "_Parent" : "_Site");
                         });

}  // namespace
}  // namespace sitetest
