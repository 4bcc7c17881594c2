// The QML item as a QML program meets it: loaded from the module in the build tree, compared
// pixel for pixel with the widget, driven through the window's own event delivery.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include <GlossButton/GlossButtonWidget.h>

#include "host/qt/GlossButtonWidgetPrivate.h"

namespace {

const QColor kBehind(0, 200, 0);

// A window with a MouseArea "below" filling it and, in an Item over it, a GlossButton "button"
// at (10, 10).
class QuickItemTest : public ::testing::Test {
 protected:
  void SetUp() override { Load("style: GlossButton.GlossStyle3; caption: \"OK\""); }

  void Load(const QString& properties) {
    engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(QStringLiteral(KORVANE_QML_DIR));
    QQmlComponent component(engine.get());
    component.setData(
        QStringLiteral("import QtQuick\nimport GlossButton\n"
                       "Window { width: 200; height: 80; color: \"%1\"; visible: true\n"
                       "  MouseArea { objectName: \"below\"; anchors.fill: parent }\n"
                       "  Item { anchors.fill: parent\n"
                       "    GlossButton { objectName: \"button\"; x: 10; y: 10; width: 120; height: 40; %2 } }\n"
                       "}")
            .arg(kBehind.name(), properties)
            .toUtf8(),
        QUrl());
    window.reset(qobject_cast<QQuickWindow*>(component.create()));
    ASSERT_TRUE(window) << component.errorString().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    button = window->findChild<QQuickItem*>(QStringLiteral("button"));
    below = window->findChild<QQuickItem*>(QStringLiteral("below"));
    ASSERT_TRUE(button && below);
  }

  QPoint At(double x, double y) const { return button->mapToScene(QPointF(x, y)).toPoint(); }

  std::unique_ptr<QQmlEngine> engine;
  std::unique_ptr<QQuickWindow> window;
  QPointer<QQuickItem> button;
  QQuickItem* below = nullptr;
};

std::vector<QString> g_Warnings;
void Collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg) g_Warnings.push_back(text);
}

TEST_F(QuickItemTest, DrawsTheWidgetsFaceAtDeviceSizeAndLetsTheWindowShowOutsideTheShape) {
  struct Case {
    const char* qml;
    void (*set)(GlossButtonWidget&);
  };
  const Case cases[] = {
      {"style: GlossButton.ClassicStyle; caption: \"Classic\"",
       [](GlossButtonWidget& w) { w.setStyle(0), w.setCaption("Classic"); }},
      {"style: GlossButton.FlatStyle; checked: true", [](GlossButtonWidget& w) { w.setStyle(1), w.setChecked(true); }},
      {"style: GlossButton.GlossStyle2; colorScheme: GlossButton.RedScheme",
       [](GlossButtonWidget& w) { w.setStyle(2), w.setColorScheme(4); }},
      {"style: GlossButton.GlossStyle3; caption: \"OK\"",
       [](GlossButtonWidget& w) { w.setStyle(3), w.setCaption("OK"); }},
      {"style: GlossButton.GlossStyle4; borderBrightness: -60",
       [](GlossButtonWidget& w) { w.setStyle(4), w.setBorderBrightness(-60); }},
      {"style: GlossButton.GlossStyle5; colorButtonUp: \"#2067d0\"; foreColor: \"yellow\"",
       [](GlossButtonWidget& w) { w.setStyle(5), w.setColorButtonUp(QColor("#2067d0")), w.setForeColor(Qt::yellow); }},
      {"style: GlossButton.CrescentStyle", [](GlossButtonWidget& w) { w.setStyle(6); }},
  };
  QWidget form;
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, kBehind);
  form.setPalette(palette);
  form.resize(140, 60);
  form.show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.qml);
    Load(c.qml);
    auto* widget = new GlossButtonWidget(&form);
    c.set(*widget);
    widget->setGeometry(10, 10, 120, 40);
    widget->show();
    QCoreApplication::processEvents();
    const QImage face = host::EngineOf(*widget).Face(/*cutToShape=*/true).convertToFormat(QImage::Format_ARGB32);
    const double ratio = window->effectiveDevicePixelRatio();
    ASSERT_EQ(face.size(), QSize(qRound(120 * ratio), qRound(40 * ratio)));
    const QImage shown = window->grabWindow().convertToFormat(QImage::Format_ARGB32);
    const QPoint origin = (QPointF(10, 10) * ratio).toPoint();
    int inside = 0, mismatched = 0;
    for (int y = 0; y < face.height(); ++y)
      for (int x = 0; x < face.width(); ++x) {
        const QRgb f = face.pixel(x, y), s = shown.pixel(origin + QPoint(x, y));
        if (qAlpha(f) == 255) ++inside;
        const QRgb want = qAlpha(f) == 255 ? f : kBehind.rgb();
        if (qAlpha(f) != 255 && qAlpha(f) != 0) continue;  // none: the cut is whole device pixels
        mismatched += s != want;
      }
    EXPECT_GT(inside, face.width() * face.height() / 2);
    EXPECT_EQ(mismatched, 0);
    delete widget;
  }
}

TEST_F(QuickItemTest, TakesTheMouseInsideTheShapeTheKeysWhenFocusedAndIsAPushButtonToAScreenReader) {
  QSignalSpy clicked(button, SIGNAL(clicked())), activated(button, SIGNAL(activated()));
  QSignalSpy entered(button, SIGNAL(mouseEnter())), left(button, SIGNAL(mouseLeave()));
  QSignalSpy belowPressed(below, SIGNAL(pressed(QQuickMouseEvent*)));

  QTest::mouseMove(window.get(), At(60, 20));
  QTest::mouseMove(window.get(), At(62, 21));
  EXPECT_EQ(entered.count(), 1);
  QTest::mouseClick(window.get(), Qt::LeftButton, {}, At(60, 20));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_TRUE(button->hasActiveFocus()) << "a click gives the focus, as to a widget";
  // The corner pixel is outside the rounded face: the press goes to what is below.
  QTest::mouseClick(window.get(), Qt::LeftButton, {}, At(0, 0));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(belowPressed.count(), 1);
  QTest::mouseMove(window.get(), QPoint(190, 75));
  EXPECT_EQ(left.count(), 1);

  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(window.get(), key);
  EXPECT_EQ(activated.count(), 3);
  EXPECT_EQ(clicked.count(), 1) << "the keyboard activates, it does not click";

  button->setProperty("displayHand", true);
  EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);

  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->role(), QAccessible::Button);
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("OK"));
  button->setProperty("caption", QStringLiteral("Play"));
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Play"));
  ASSERT_TRUE(a->actionInterface());
  a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicked.count(), 2);
}

TEST_F(QuickItemTest, RefusesWhatItCannotShowWithAWarningNamingThePropertyAndKeepsTheOldValue) {
  struct Case {
    const char* property;
    QVariant value;
  };
  const Case cases[] = {
      {"style", 9},
      {"colorScheme", -1},
      {"pictureAlignment", 7},
      {"picture", QUrl::fromLocalFile("/nonexistent/face.png")},
      {"captionFont", QFont(QStringLiteral("No Such Font Family Here"))},
      {"width", 100000},
      {"height", -5},
  };
  const auto before = window->grabWindow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.property);
    const QVariant old = button->property(c.property);
    g_Warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    button->setProperty(c.property, c.value);
    qInstallMessageHandler(previous);
    ASSERT_EQ(g_Warnings.size(), 1u);
    EXPECT_TRUE(g_Warnings[0].contains(QLatin1String(c.property))) << g_Warnings[0].toStdString();
    if (std::string(c.property) != "width" && std::string(c.property) != "height") {
      EXPECT_EQ(button->property(c.property), old);
    }
    button->setProperty(c.property, old);
  }
  EXPECT_EQ(window->grabWindow(), before) << "the face is as it was";
  // Long and empty captions are captions.
  for (const QString& caption : {QString(), QString(10000, QLatin1Char('W'))}) {
    button->setProperty("caption", caption);
    EXPECT_EQ(button->property("caption").toString(), caption);
  }
}

TEST_F(QuickItemTest, EachPropertyNotifiesItsOwnChangeSoThatBindingsFollowWithoutLoops) {
  Load("caption: checked ? \"On\" : \"Off\"; colorButtonHover: Qt.lighter(colorButtonUp, 1.2)");
  g_Warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(Collect);
  button->setProperty("checked", true);
  button->setProperty("colorButtonUp", QColor(200, 40, 40));
  button->setProperty("colorScheme", 5);
  qInstallMessageHandler(previous);
  EXPECT_TRUE(g_Warnings.empty()) << g_Warnings.front().toStdString();
  EXPECT_EQ(button->property("caption").toString(), QStringLiteral("On"));
  // The scheme set the face colours; the binding followed the new one.
  EXPECT_NE(button->property("colorButtonUp").value<QColor>(), QColor(200, 40, 40));
  EXPECT_EQ(button->property("colorButtonHover").value<QColor>().rgb(),
            button->property("colorButtonUp").value<QColor>().lighter(120).rgb());

  const char* properties[] = {"caption", "style", "borderBrightness", "displayHand", "foreColor", "captionFont"};
  const QVariant values[] = {
      QStringLiteral("New"), 5, 40, true, QColor(Qt::red), QFont(QStringLiteral("DejaVu Sans"), 14)};
  for (std::size_t i = 0; i < std::size(properties); ++i) {
    SCOPED_TRACE(properties[i]);
    const QMetaProperty p = button->metaObject()->property(button->metaObject()->indexOfProperty(properties[i]));
    QSignalSpy own(button, QByteArray("2") + p.notifySignal().methodSignature());
    QSignalSpy checked(button, SIGNAL(checkedChanged()));
    button->setProperty(properties[i], values[i]);
    button->setProperty(properties[i], values[i]);
    EXPECT_EQ(own.count(), 1) << "once, for the change; not for the same value again";
    EXPECT_EQ(checked.count(), 0);
  }
}

TEST_F(QuickItemTest, NothingIsTouchedAfterTheItemOrItsWindowGoesFromInsideAnEvent) {
  // Destroyed from its own onClicked, and its parent from the item's onClicked.
  for (const char* handler : {"onClicked: destroy()", "onClicked: parent.destroy()"}) {
    SCOPED_TRACE(handler);
    Load(QString::fromLatin1(handler));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, At(60, 20));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(button.isNull());
    QTest::mouseMove(window.get(), QPoint(70, 30));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(70, 30));
    QCoreApplication::processEvents();
  }

  // Moved to another window: drawn and clicked there.
  Load("caption: \"Move\"");
  QQuickWindow other;
  other.setColor(Qt::white);
  other.resize(200, 80);
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  button->setParentItem(other.contentItem());
  window->close();
  QSignalSpy clicked(button, SIGNAL(clicked()));
  const QPoint middle = button->mapToScene(QPointF(60, 20)).toPoint();
  QTest::mouseClick(&other, Qt::LeftButton, {}, middle);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_NE(other.grabWindow().pixel(middle * other.effectiveDevicePixelRatio()), QColor(Qt::white).rgb());

  // A press, then the window goes with the item in it.
  Load("caption: \"Go\"");
  QTest::mousePress(window.get(), Qt::LeftButton, {}, At(60, 20));
  window.reset();
  QCoreApplication::processEvents();
  EXPECT_TRUE(button.isNull());
}

}  // namespace
