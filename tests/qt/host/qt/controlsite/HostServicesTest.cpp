// The program's platform services on Qt: system colours from the palette, the warning box,
// and the input encoding the site uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "glossbutton/render/Image.h"
#include "host/qt/HostServices.h"
#include "host/qt/InputMessages.h"
#include "platform/KeyState.h"
#include "host/qt/QtMessageBox.h"
#include "host/qt/QtSystemColors.h"
#include "platform/MessageBox.h"
#include "platform/SystemColors.h"

namespace {

using namespace platform;

TEST(QtSystemColorsTest, PaletteRolesFillTheirSystemColours) {
  QPalette pal;
  pal.setColor(QPalette::Button, QColor(1, 2, 3));
  pal.setColor(QPalette::ButtonText, QColor(4, 5, 6));
  pal.setColor(QPalette::Highlight, QColor(7, 8, 9));
  pal.setColor(QPalette::Base, QColor(10, 11, 12));
  pal.setColor(QPalette::Text, QColor(13, 14, 15));
  pal.setColor(QPalette::Dark, QColor(16, 17, 18));
  pal.setColor(QPalette::Light, QColor(19, 20, 21));
  const SystemColorTable t = host::SystemColorsFromPalette(pal);
  EXPECT_EQ(t[COLOR_BTNFACE], 0x030201u);
  EXPECT_EQ(t[COLOR_BTNTEXT], 0x060504u);
  EXPECT_EQ(t[COLOR_HIGHLIGHT], 0x090807u);
  EXPECT_EQ(t[COLOR_WINDOW], 0x0C0B0Au);
  EXPECT_EQ(t[COLOR_WINDOWTEXT], 0x0F0E0Du);
  EXPECT_EQ(t[COLOR_BTNSHADOW], 0x121110u);
  EXPECT_EQ(t[COLOR_BTNHIGHLIGHT], 0x151413u);
  // No palette counterpart: the platform's own value stays.
  EXPECT_EQ(t[25], DefaultSystemColorTable()[25]);
}

TEST(QtSystemColorsTest, ColourConversionsPutRedInTheLowByte) {
  EXPECT_EQ(host::ToColorRef(QColor(0x11, 0x22, 0x33)), 0x332211u);
  EXPECT_EQ(host::FromColorRef(0x332211u), QColor(0x11, 0x22, 0x33));
}

TEST(HostServicesTest, InstallTranslatesSystemColoursThroughTheApplicationPalette) {
  QPalette pal = QApplication::palette();
  pal.setColor(QPalette::Button, QColor(0x40, 0x50, 0x60));
  QApplication::setPalette(pal);
  const SystemColorTable saved = GetSystemColorTable();

  host::HostServices::Install();
  ASSERT_TRUE(host::HostServices::Installed());
  COLORREF btnFace = 0;
  ASSERT_EQ(OleTranslateColor(0x8000000F, 0, &btnFace), S_OK);
  EXPECT_EQ(btnFace, 0x605040u);

  // Installing twice changes nothing.
  SetSysColor(COLOR_BTNFACE, 0x010101);
  host::HostServices::Install();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), 0x010101u);

  SetSystemColorTable(saved);
  SetMessageBox(nullptr);
}

TEST(QtMessageBoxTest, WarningBoxCarriesTitleTextAndOneOkButton) {
  const auto box = host::QtMessageBox::Build("Invalid window handle.", "Error in GlossButton.sc_Subclass",
                                             MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->windowTitle(), "Error in GlossButton.sc_Subclass");
  EXPECT_EQ(box->text(), "Invalid window handle.");
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(host::QtMessageBox::Build("x", "y", MB_ICONERROR)->icon(), QMessageBox::Critical);
  EXPECT_EQ(host::QtMessageBox::Build("x", "y", MB_OK)->icon(), QMessageBox::NoIcon);
}

TEST(QtMessageBoxTest, ShowRunsTheBoxModallyAndAnswersOk) {
  host::QtMessageBox sink;
  QString seenText;
  // Close the box once it is up, from inside its modal loop.
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
        seenText = box->text();
        box->accept();
      }
  });
  EXPECT_EQ(sink.Show("Out of memory.", "Error in GlossButton.zAddMsg", MB_ICONEXCLAMATION), IDOK);
  EXPECT_EQ(seenText, "Out of memory.");
}

TEST(InputMessagesTest, MousePositionsPackAsSigned16BitWords) {
  const LPARAM lp = platform::PackPointerPos(-20, 15);
  EXPECT_EQ(GET_X_LPARAM(lp), -20);
  EXPECT_EQ(GET_Y_LPARAM(lp), 15);
  // Far outside the 16-bit range the sign survives instead of wrapping.
  EXPECT_EQ(GET_X_LPARAM(platform::PackPointerPos(40000, -40000)), 32767);
  EXPECT_EQ(GET_Y_LPARAM(platform::PackPointerPos(40000, -40000)), -32768);
}

TEST(InputMessagesTest, KeyStateAndArgumentMasks) {
  const WPARAM w = host::MouseKeyState(Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(w, MK_LBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL);
  EXPECT_EQ(platform::ButtonMaskFromKeyState(w), 1 | 4);
  // Alt is not in a mouse message's mask: it comes from the key state the host reports.
  host::ReportModifiers(Qt::AltModifier);
  EXPECT_EQ(platform::ShiftMaskFromKeyState(w), 1 | 2 | 4);
  host::ReportModifiers(Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_EQ(platform::ModifierMask(), 1 | 4);
  host::ReportModifiers(Qt::NoModifier);
  EXPECT_EQ(platform::ShiftMaskFromKeyState(w), 1 | 2);
  EXPECT_EQ(platform::ModifierMask(), 0);
  EXPECT_EQ(host::MouseKeyState(Qt::LeftButton, {}), MK_LBUTTON);  // exactly the left button
  EXPECT_EQ(platform::ButtonOfMessage(WM_RBUTTONUP), 2);
  EXPECT_EQ(platform::ButtonOfMessage(WM_MOUSEMOVE), 0);
  EXPECT_EQ(host::ButtonDownMessage(Qt::BackButton), WM_NULL);
}

TEST(InputMessagesTest, VirtualKeys) {
  EXPECT_EQ(host::VirtualKey(Qt::Key_Return), VK_RETURN);
  EXPECT_EQ(host::VirtualKey(Qt::Key_Enter), VK_RETURN);
  EXPECT_EQ(host::VirtualKey(Qt::Key_Space), VK_SPACE);
  EXPECT_EQ(host::VirtualKey(Qt::Key_Q), static_cast<WPARAM>('Q'));
  EXPECT_EQ(host::VirtualKey(Qt::Key_7), static_cast<WPARAM>('7'));
  EXPECT_EQ(host::VirtualKey(Qt::Key_F5), 0u);
}

}  // namespace
