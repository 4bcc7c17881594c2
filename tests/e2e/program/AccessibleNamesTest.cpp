// What assistive technology finds in the shown window: its two window buttons as push buttons
// named for what they do, though their captions are "-" and "×".
#include <QAccessible>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "ProgramEnv.h"

namespace {

TEST(AccessibleNamesTest, TheWindowButtonsAreNamedMinimiseAndClose) {
  app::Form1& form = ProgramEnv::Get().Form();
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
  ASSERT_NE(root, nullptr);
  // Every push button in the window's accessible tree, by name.
  std::map<QString, QObject*> buttons;
  std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface* child = node->child(i);
      if (!child) continue;
      if (child->role() == QAccessible::Button) buttons[child->text(QAccessible::Name)] = child->object();
      walk(child);
    }
  };
  walk(root);
  ASSERT_TRUE(buttons.count("Minimise") && buttons.count("Close")) << buttons.size() << " buttons";
  EXPECT_EQ(buttons["Minimise"], form.Control("GlossButton1"));
  EXPECT_EQ(buttons["Close"], form.Control("GlossButton3"));
  QAccessibleInterface* close = QAccessible::queryAccessibleInterface(buttons["Close"]);
  EXPECT_TRUE(close->actionInterface() &&
              close->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

}  // namespace
