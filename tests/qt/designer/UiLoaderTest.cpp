// The Designer plugin: .ui files with GlossButtons loaded by QUiLoader from the plugin's folder,
// every property through a saved .ui and back, design mode in Designer only, and values a
// hand-edited file may hold that the button cannot use. Widgets are reached by name, class
// name, properties and signals, as a program that only loads .ui files reaches them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>
#include <QUiLoader>
#include <QtDesigner/QFormBuilder>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

#include "tests/support/DefaultColors.h"

#ifdef GLOSSBUTTON_SHARED_WIDGET
#include <GlossButton/GlossButtonWidget.h>
#endif

namespace {

constexpr const char* kClass = "GlossButtonWidget";

QColor FromStored(std::int32_t c) {
  return QColor(gloss::test::RedOf(c), gloss::test::GreenOf(c), gloss::test::BlueOf(c));
}

void Configure(QUiLoader& loader) {
  loader.clearPluginPaths();
  loader.addPluginPath(QStringLiteral(GLOSSBUTTON_PLUGIN_DIR));
  loader.setWorkingDirectory(QDir(QStringLiteral(UI_DIR)));
}

std::unique_ptr<QWidget> Load(QIODevice& ui, QStringList* warnings = nullptr) {
  static QStringList* sink = nullptr;
  sink = warnings;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (sink && type == QtWarningMsg) sink->append(m);
      });
  QUiLoader loader;
  Configure(loader);
  std::unique_ptr<QWidget> form(loader.load(&ui));
  qInstallMessageHandler(previous);
  sink = nullptr;
  EXPECT_TRUE(form) << loader.errorString().toStdString();
  return form;
}

std::unique_ptr<QWidget> LoadFile(const char* name, QStringList* warnings = nullptr) {
  QFile file(QStringLiteral(UI_DIR "/") + QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return Load(file, warnings);
}

QWidget* Button(const QWidget& form, const char* name) {
  QWidget* w = form.findChild<QWidget*>(QString::fromLatin1(name));
  EXPECT_TRUE(w && QByteArray(w->metaObject()->className()) == kClass) << name;
  return w && QByteArray(w->metaObject()->className()) == kClass ? w : nullptr;
}

// Whether the pointer moving onto the shown button raises its mouseEnter: only a control in user
// mode tracks the mouse through its hook.
bool RaisesMouseEnter(QWidget* button) {
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  button->setParent(&window);
  button->setFixedSize(60, 24);
  layout->addWidget(button);
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  QSignalSpy enter(button, SIGNAL(mouseEnter()));
  QTest::mouseMove(window.windowHandle(), QPoint(1, 1));
  QTest::mouseMove(window.windowHandle(), button->geometry().center());
  QTest::mouseMove(window.windowHandle(), QPoint(1, 1));
  button->setParent(nullptr);
  return enter.count() > 0;
}

TEST(UiLoaderTest, LoadsTwoButtonsWithTheirPropertiesInUserMode) {
  const auto form = LoadFile("two-buttons.ui");
  ASSERT_TRUE(form);
  QWidget* ok = Button(*form, "okButton");
  QWidget* cancel = Button(*form, "cancelButton");
  ASSERT_TRUE(ok && cancel);

  EXPECT_EQ(ok->property("caption").toString(), "OK");
  EXPECT_EQ(ok->property("style").toInt(), 3);
  EXPECT_TRUE(ok->property("checked").toBool());
  EXPECT_TRUE(ok->property("displayHand").toBool());
  EXPECT_EQ(ok->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(ok->property("pictureAlignment").toInt(), 2);
  EXPECT_EQ(ok->property("borderBrightness").toInt(), 40);
  const QImage badge = ok->property("picture").value<QPixmap>().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(badge.size(), QSize(3, 2));
  EXPECT_EQ(badge.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(qAlpha(badge.pixel(1, 0)), 0);
  const QFont font = ok->property("captionFont").value<QFont>();
  EXPECT_EQ(font.family(), "DejaVu Sans");
  EXPECT_EQ(font.pointSize(), 11);
  EXPECT_TRUE(font.bold());

  EXPECT_EQ(cancel->property("caption").toString(), "Cancel");
  EXPECT_EQ(cancel->property("style").toInt(), 6);
  EXPECT_FALSE(cancel->property("checked").toBool());
  EXPECT_EQ(cancel->property("colorButtonUp").value<QColor>(), QColor(10, 20, 30));
  EXPECT_EQ(cancel->property("colorButtonHover").value<QColor>(), QColor(40, 50, 60));
  EXPECT_EQ(cancel->property("colorButtonDown").value<QColor>(), QColor(70, 80, 90));
  EXPECT_EQ(cancel->property("colorBright").value<QColor>(), QColor(200, 210, 220));
  EXPECT_EQ(cancel->property("foreColor").value<QColor>(), QColor(255, 0, 128));

  // Built at run time: the control is in user mode and tracks the mouse.
  EXPECT_TRUE(RaisesMouseEnter(cancel));
}

TEST(UiLoaderTest, EveryPropertyRoundTripsThroughASavedUiFile) {
  QUiLoader loader;
  Configure(loader);
  QWidget parent;
  QWidget* b = loader.createWidget(kClass, &parent, "saved");
  ASSERT_TRUE(b);
  QFont font("DejaVu Serif");
  font.setPointSize(13);
  font.setItalic(true);
  const std::pair<const char*, QVariant> values[] = {
      {"caption", QString::fromUtf8("Sav€")},
      {"style", 5},
      {"colorScheme", 4},  // first: the colours below end the scheme
      {"colorButtonUp", QColor(1, 2, 3)},
      {"colorButtonHover", QColor(4, 5, 6)},
      {"colorButtonDown", QColor(7, 8, 9)},
      {"colorBright", QColor(10, 11, 12)},
      {"foreColor", QColor(13, 14, 15)},
      {"checked", true},
      {"displayHand", true},
      {"pictureAlignment", 3},
      {"borderBrightness", -20},
      {"captionFont", font},
  };
  for (const auto& [name, value] : values) ASSERT_TRUE(b->setProperty(name, value)) << name;

  QBuffer ui;
  ui.open(QIODevice::WriteOnly);
  QFormBuilder().save(&ui, &parent);
  ui.close();
  // Qt 6.4's QFormBuilder leaves out enum-typed properties; Designer writes them by name.
  QByteArray enums;
  const QMetaObject* meta = b->metaObject();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (!p.isEnumType()) continue;
    const QByteArray key = p.enumerator().valueToKey(p.read(b).toInt());
    enums += QByteArray("<property name=\"") + p.name() + "\"><enum>" + meta->className() + "::" + key +
             "</enum></property>\n";
  }
  QByteArray text = ui.data();
  const QByteArray opening = QByteArray("<widget class=\"") + kClass + "\" name=\"saved\">\n";
  ASSERT_NE(text.indexOf(opening), -1) << text.toStdString();
  text.insert(text.indexOf(opening) + opening.size(), enums);
  ui.setData(text);
  ui.open(QIODevice::ReadOnly);
  const auto form = Load(ui);
  ASSERT_TRUE(form);
  QWidget* back = Button(*form, "saved");
  ASSERT_TRUE(back) << ui.data().toStdString();

  int compared = 0;
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    EXPECT_TRUE(p.isDesignable() && p.isWritable()) << p.name();
    if (QByteArray(p.name()) == "picture") continue;  // a file or resource in .ui files: loaded above
    EXPECT_EQ(back->property(p.name()), b->property(p.name())) << p.name() << " in\n" << ui.data().toStdString();
    ++compared;
  }
  EXPECT_EQ(compared, static_cast<int>(std::size(values)));
}

TEST(UiLoaderTest, FormsSavedWithTheOldClassNameStillLoad) {
  QBuffer ui;
  ui.setData(R"(<ui version="4.0"><class>Form</class><widget class="QWidget" name="Form">
 <widget class="host::GlossButtonWidget" name="old"><property name="caption"><string>Old</string></property></widget>
</widget></ui>)");
  ui.open(QIODevice::ReadOnly);
  const auto form = Load(ui);
  ASSERT_TRUE(form);
  QWidget* b = Button(*form, "old");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->property("caption").toString(), "Old");
}

TEST(UiLoaderTest, DesignerGetsDesignModeAndTheDefaultButton) {
  QPluginLoader pluginLoader(QStringLiteral(GLOSSBUTTON_PLUGIN_FILE));
  auto* plugins = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(pluginLoader.instance());
  ASSERT_TRUE(plugins) << pluginLoader.errorString().toStdString();
  ASSERT_EQ(plugins->customWidgets().size(), 2);
  QDesignerCustomWidgetInterface* plugin = plugins->customWidgets().first();
  EXPECT_EQ(plugin->group(), "GlossButton");
  EXPECT_EQ(plugin->name(), kClass);
  EXPECT_FALSE(plugin->icon().isNull());
  EXPECT_FALSE(plugin->toolTip().isEmpty());
  EXPECT_EQ(plugin->includeFile(), "GlossButton/GlossButtonWidget.h");

  // The button Designer drops on a form: its domXml is a form of its own.
  QBuffer dom;
  dom.setData(plugin->domXml().toUtf8());
  dom.open(QIODevice::ReadOnly);
  const auto dropped = Load(dom);
  ASSERT_TRUE(dropped);
  EXPECT_EQ(QByteArray(dropped->metaObject()->className()), kClass);
  EXPECT_EQ(dropped->property("caption").toString(), "GlossButton");
  EXPECT_EQ(dropped->property("style").toInt(), 3);
  EXPECT_EQ(dropped->property("colorScheme").toInt(), 1);

  // Only Designer initialises the plugin; from then on its buttons are in design mode.
  EXPECT_TRUE(RaisesMouseEnter(std::unique_ptr<QWidget>(plugin->createWidget(nullptr)).get()));
  plugin->initialize(nullptr);
  EXPECT_TRUE(plugin->isInitialized());
  EXPECT_FALSE(RaisesMouseEnter(std::unique_ptr<QWidget>(plugin->createWidget(nullptr)).get()));
}

TEST(UiLoaderTest, ValuesTheButtonCannotUseLoadWithAWarningAndItsOwnRule) {
  QStringList warnings;
  const auto form = LoadFile("bad-values.ui", &warnings);
  ASSERT_TRUE(form);
  QWidget* b = Button(*form, "odd");
  ASSERT_TRUE(b);
  const std::string said = warnings.join('\n').toStdString();
  // Style 99 is kept, as the control keeps any style, and draws no renderer's face.
  EXPECT_EQ(b->property("style").toInt(), 99);
  EXPECT_EQ(warnings.filter("style 99").size(), 1) << said;
  // Colours that are none leave the stored defaults: a colour out of range is refused by the
  // button with a warning; a string that names no colour Qt itself refuses to convert, so the
  // button is never asked.
  EXPECT_EQ(b->property("colorButtonHover").value<QColor>(), FromStored(gloss::test::kDefaultColors.hover));
  EXPECT_EQ(warnings.filter("colorButtonHover: not a valid colour").size(), 1) << said;
  EXPECT_EQ(b->property("colorButtonUp").value<QColor>(), FromStored(gloss::test::kDefaultColors.up));
  EXPECT_FALSE(b->grab().isNull());
}

TEST(UiLoaderTest, WidgetsFromTheLoaderAreTheProgramsOwnClassWithTheSharedLibrary) {
#ifndef GLOSSBUTTON_SHARED_WIDGET
  GTEST_SKIP() << "no shared widget library in this build";
#else
  // The plugin and this program share libGlossButtonWidget: one class, so qobject_cast works.
  QUiLoader loader;
  Configure(loader);
  QWidget parent;
  EXPECT_NE(qobject_cast<GlossButtonWidget*>(loader.createWidget(kClass, &parent, "own")), nullptr);
#endif
}

}  // namespace
