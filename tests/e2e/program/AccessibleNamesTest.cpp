// What assistive technology finds in the shown window: a frame named Korvane, its two window
// buttons as push buttons named for what they do, though their captions are "-" and "×", the
// three working labels as push buttons (the music one a toggle), and the two named web panes.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

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
  // A form of its own: switching the music loads the player.
  std::unique_ptr<app::Form1> owned(ProgramEnv::Get().NewForm());
  app::Form1& form = *owned;
  QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->role(), QAccessible::Window);
  EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Korvane"));

  struct Expected {
    QWidget* widget;
    QString name;
  };
  for (const Expected& e :
       {Expected{form.Label4(), QString::fromUtf8("刷新")}, Expected{form.Label2(), form.Label2()->Caption()},
        Expected{form.Label3(), QString::fromUtf8("换曲")}}) {
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(e.widget);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::Button) << e.name.toStdString();
    EXPECT_EQ(label->text(QAccessible::Name), e.name);
    EXPECT_TRUE(label->state().focusable) << e.name.toStdString();
    ASSERT_NE(label->actionInterface(), nullptr);
    EXPECT_TRUE(label->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  }
  // The music label is a toggle whose state is the music's; its press action switches it.
  QAccessibleInterface* music = QAccessible::queryAccessibleInterface(form.Label2());
  EXPECT_TRUE(music->state().checkable);
  const bool wasOn = form.WebBrowser2()->Visible();
  EXPECT_EQ(bool(music->state().checked), wasOn);
  const QString wasDescribed = music->text(QAccessible::Description);
  music->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(bool(music->state().checked), !wasOn);
  EXPECT_NE(music->text(QAccessible::Description), wasDescribed) << "the description tells music on from off";
  EXPECT_EQ(form.WebBrowser2()->Visible(), !wasOn);
  music->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(bool(music->state().checked), wasOn);

  EXPECT_EQ(QAccessible::queryAccessibleInterface(form.WebBrowser1())->text(QAccessible::Name),
            QString::fromUtf8("游戏门户"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form.WebBrowser2())->text(QAccessible::Name),
            QString::fromUtf8("音乐播放器"));
}

}  // namespace
