// With an assistive technology listening, a GlossButtonWidget tells it when its caption, checked
// or pressed state changes. Runs on X with the platform's accessibility bridge connected.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <vector>

#include <GlossButton/GlossButtonWidget.h>

namespace {

struct Seen {
  QObject* object;
  QAccessible::Event type;
  QAccessible::State changed;
};
std::vector<Seen> g_seen;

void Record(QAccessibleEvent* e) {
  QAccessible::State changed;
  if (e->type() == QAccessible::StateChanged) changed = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates();
  g_seen.push_back({e->object(), e->type(), changed});
}

TEST(AccessibleEventsTest, CaptionCheckedAndPressedChangesAreAnnounced) {
  GlossButtonWidget button;
  button.resize(90, 30);
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  // The bridge comes up once it has connected to the accessibility bus.
  ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
      << "no accessibility bridge: run through with-bridge.sh";
  QAccessible::installUpdateHandler(&Record);
  g_seen.clear();

  enum Flag { kAny, kChecked, kPressed };
  auto count = [&](QAccessible::Event type, Flag flag) {
    int n = 0;
    for (const Seen& s : g_seen)
      if (s.object == &button && s.type == type &&
          (flag == kAny || (flag == kChecked && s.changed.checked) || (flag == kPressed && s.changed.pressed)))
        ++n;
    return n;
  };
  button.setCaption("Renamed");
  EXPECT_EQ(count(QAccessible::NameChanged, kAny), 1);
  button.setChecked(true);
  button.setChecked(false);
  EXPECT_EQ(count(QAccessible::StateChanged, kChecked), 2);
  // Other properties are no news to a listener.
  const auto before = g_seen.size();
  button.setStyle(3);
  button.setColorButtonUp(QColor(1, 2, 3));
  EXPECT_EQ(g_seen.size(), before);

  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(45, 15));
  EXPECT_EQ(count(QAccessible::StateChanged, kPressed), 2);  // down, up
  QAccessible::installUpdateHandler(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
