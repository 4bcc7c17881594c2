#include "SiteFixture.h"

#include <QApplication>

#include "tests/support/DefaultColors.h"

namespace sitetest {

const QPoint SiteFixture::kCentre{50, 15};
const QPoint SiteFixture::kOutside{10, 90};

void SiteFixture::SetUp() {
  top = std::make_unique<ParentWindow>();
  top->setObjectName("Form1");
  top->resize(200, 100);
  before = new QLineEdit(top.get());
  before->setGeometry(0, 0, 40, 20);
  site = new host::ControlSite(top.get());
  site->setObjectName("GlossButton1");
  site->setGeometry(50, 35, 100, 30);
  after = new QLineEdit(top.get());
  after->setGeometry(160, 0, 40, 20);
}

void SiteFixture::TearDown() {
  // Leave the pointer outside every window, so the next test starts from a clean state.
  if (top && top->windowHandle()) QTest::mouseMove(top->windowHandle(), QPoint(199, 99));
  top.reset();
  QApplication::processEvents();
}

void SiteFixture::Load(const gloss::PropertyBag& bag, bool userMode) {
  recorder.Attach(site->Button());
  site->SetUserMode(userMode);
  site->ReadProperties(bag);
  top->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(top.get()));
  MoveToWin(kOutside);
  recorder.Clear();
}

void SiteFixture::FocusSite() {
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top.get()));
  site->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
}

gloss::PropertyBag StyleBag(std::int32_t style, bool checked) {
  gloss::PropertyBag bag;
  bag.WriteInt32("Style", style);
  bag.WriteText("Caption", "OK");
  bag.WriteBoolean("Checked", checked);
  bag.WriteInt32("ColorButtonUp", gloss::test::kDefaultColors.up);
  bag.WriteInt32("ColorButtonHover", gloss::test::kDefaultColors.hover);
  bag.WriteInt32("ColorButtonDown", 0x804020);
  bag.WriteInt32("ColorBright", gloss::test::kDefaultColors.bright);
  return bag;
}

}  // namespace sitetest
