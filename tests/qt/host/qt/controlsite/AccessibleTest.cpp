// What assistive technology sees of a GlossButtonWidget: its role, name and states, a press
// action that clicks the way the mouse does, and key bindings that are the keys that activate it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/ControlSite.h"
#include "host/qt/GlossButtonWidgetPrivate.h"

namespace {


class AccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(window.get());
    button = new GlossButtonWidget(window.get());
    button->setFixedSize(90, 32);
    button->setStyle(3);
    button->setCaption("Go");
    layout->addWidget(button);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface, nullptr);
  }

  std::unique_ptr<QWidget> window;
  GlossButtonWidget* button = nullptr;
  QAccessibleInterface* iface = nullptr;
};

TEST_F(AccessibleTest, APushButtonNamedByItsCaptionWithStatesInStep) {
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_EQ(iface->object(), button);
  EXPECT_EQ(iface->text(QAccessible::Name), "Go");
  button->setCaption(QString::fromUtf8("×"));
  EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8("×"));
  // A name given for assistive technology wins over the caption.
  button->setAccessibleName("Close");
  EXPECT_EQ(iface->text(QAccessible::Name), "Close");

  EXPECT_TRUE(iface->state().focusable);
  button->clearFocus();
  EXPECT_FALSE(iface->state().focused);
  button->setFocus();
  EXPECT_TRUE(iface->state().focused);

  EXPECT_FALSE(iface->state().checked);
  button->setChecked(true);
  EXPECT_TRUE(iface->state().checkable);
  EXPECT_TRUE(iface->state().checked);
  button->setChecked(false);
  EXPECT_FALSE(iface->state().checked);
}

TEST_F(AccessibleTest, PressActionRunsTheClickPathWithThePressedLookBetween) {
  QAccessibleActionInterface* actions = iface->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

  const auto idle = host::EngineOf(*button).PublishedImage();
  std::vector<std::string> order;
  bool pressedAtDown = false;
  bool lookChangedAtDown = false;
  QObject::connect(button, &GlossButtonWidget::mouseDown, [&](Qt::MouseButtons b, Qt::KeyboardModifiers, QPointF at) {
    order.push_back("down");
    EXPECT_EQ(b, Qt::LeftButton);
    EXPECT_TRUE(button->rect().contains(at.toPoint()));
    pressedAtDown = iface->state().pressed;
    lookChangedAtDown = *host::EngineOf(*button).PublishedImage() != *idle;
  });
  QObject::connect(button, &GlossButtonWidget::mouseUp, [&] { order.push_back("up"); });
  QObject::connect(button, &GlossButtonWidget::clicked, [&] { order.push_back("click"); });

  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(order, (std::vector<std::string>{"down", "up", "click"}));
  EXPECT_TRUE(pressedAtDown);
  EXPECT_TRUE(lookChangedAtDown);
  EXPECT_FALSE(iface->state().pressed);

  // A disabled button offers nothing and does nothing.
  order.clear();
  button->setEnabled(false);
  EXPECT_TRUE(actions->actionNames().isEmpty());
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(order.empty());
}

TEST_F(AccessibleTest, EveryKeyBindingOfThePressActionActivatesTheFocusedButton) {
  const QStringList bindings =
      iface->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
  ASSERT_FALSE(bindings.isEmpty());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  button->setFocus(Qt::TabFocusReason);
  for (const QString& binding : bindings) {
    const QKeySequence keys = QKeySequence::fromString(binding);
    ASSERT_EQ(keys.count(), 1) << binding.toStdString();
    QSignalSpy activated(button, &GlossButtonWidget::activated);
    QSignalSpy clicked(button, &GlossButtonWidget::clicked);
    QTest::keyClick(button, keys[0].key(), keys[0].keyboardModifiers());
    EXPECT_EQ(activated.count(), 1) << binding.toStdString();
    EXPECT_EQ(clicked.count(), 0) << binding.toStdString();
  }
}

}  // namespace
