// What assistive technology finds in the shown window: a frame named Korvane, its two window
// buttons as push buttons named for what they do, though their captions are "-" and "×", the
// three working labels as push buttons (the music one a toggle), and the two named web panes.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ProgramEnv.h"
#include "app/FormLabel.h"

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

TEST(AccessibleNamesTest, AFrameNamedKorvaneWithActionableLabelsAndNamedPanes) {
  // A form of its own, music off: switching it on loads the player.
  std::unique_ptr<app::Form1> owned(ProgramEnv::Get().NewForm());
  app::Form1& form = *owned;
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
  EXPECT_EQ(root->role(), QAccessible::Window);
  EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Korvane"));
  const QString press = QAccessibleActionInterface::pressAction();
  const std::vector<std::pair<QWidget*, const char*>> named = {{form.Label4(), "刷新"},
                                                               {form.Label2(), "开启音乐"},
                                                               {form.Label3(), "换曲"},
                                                               {form.WebBrowser1(), "游戏门户"},
                                                               {form.WebBrowser2(), "音乐播放器"}};
  for (const auto& [widget, name] : named) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(name));
    if (!qobject_cast<app::FormLabel*>(widget)) continue;
    EXPECT_EQ(node->role(), QAccessible::Button) << name;
    EXPECT_TRUE(node->actionInterface()->actionNames().contains(press)) << name;
  }
  // The music label: a checked state and a description that follow the music; Press switches it.
  QAccessibleInterface* music = QAccessible::queryAccessibleInterface(form.Label2());
  EXPECT_TRUE(music->state().checkable);
  EXPECT_FALSE(music->state().checked);
  const QString off = music->text(QAccessible::Description);
  music->actionInterface()->doAction(press);
  EXPECT_TRUE(form.WebBrowser2()->Visible());
  EXPECT_TRUE(music->state().checked);
  EXPECT_NE(music->text(QAccessible::Description), off);
}

}  // namespace
