"""The installed GlossButton module under PyQt6: run with the prefix's module folder on PYTHONPATH."""
import sys
import unittest

from PyQt6 import sip
from PyQt6.QtCore import QPointF, Qt, QtMsgType, qInstallMessageHandler
from PyQt6.QtGui import QColor
from PyQt6.QtWidgets import QApplication, QHBoxLayout, QWidget

from GlossButton import GlossButtonWidget

app = QApplication.instance() or QApplication(sys.argv)


class Warnings:
    """Collects Qt's warnings while in a with block."""

    def __enter__(self):
        self.messages = []
        qInstallMessageHandler(lambda kind, context, text: self.messages.append(text)
                               if kind == QtMsgType.QtWarningMsg else None)
        return self

    def __exit__(self, *exc):
        qInstallMessageHandler(None)


class GlossButtonModuleTest(unittest.TestCase):
    def test_clicked_reaches_python_in_a_layout_with_qt_typed_mouse_signals(self):
        window = QWidget()
        QHBoxLayout(window).addWidget(button := GlossButtonWidget())
        self.assertIs(button.parentWidget(), window)
        window.resize(200, 60)
        window.show()
        events = []
        button.clicked.connect(lambda: events.append("clicked"))
        button.mouseDown.connect(lambda b, m, p: events.append(("down", b, m, p)))
        button.click()
        self.assertEqual(events[-1], "clicked")
        down = [e for e in events if e[0] == "down"]
        self.assertEqual(len(down), 1)
        _, buttons, modifiers, position = down[0]
        self.assertEqual(buttons, Qt.MouseButton.LeftButton)
        self.assertEqual(modifiers, Qt.KeyboardModifier.NoModifier)
        self.assertIsInstance(position, QPointF)
        self.assertTrue(button.rect().contains(position.toPoint()))

    def test_enums_are_python_enums_and_properties_round_trip(self):
        button = GlossButtonWidget(caption="Go", style=GlossButtonWidget.Style.CrescentStyle)
        self.assertEqual(button.caption(), "Go")
        self.assertIs(button.style(), GlossButtonWidget.Style.CrescentStyle)
        self.assertEqual(GlossButtonWidget.Style.GlossStyle3.value, 3)
        button.setColorScheme(GlossButtonWidget.ColorScheme.RedScheme)
        self.assertIs(button.property("colorScheme"), GlossButtonWidget.ColorScheme.RedScheme)
        self.assertTrue(button.setProperty("borderBrightness", -40))
        self.assertEqual(button.borderBrightness(), -40)
        button.setForeColor(QColor(10, 20, 30))
        self.assertEqual(button.foreColor(), QColor(10, 20, 30))
        button.setPictureAlignment(GlossButtonWidget.PictureAlignment.PictureRight)
        self.assertIs(button.pictureAlignment(), GlossButtonWidget.PictureAlignment.PictureRight)

    def test_bad_input_is_an_exception_or_one_warning(self):
        button = GlossButtonWidget()
        cases = [  # (what, call, the exception expected or None for one warning)
            ("style as text", lambda: button.setStyle("3"), TypeError),
            ("caption as a number", lambda: button.setCaption(5), TypeError),
            ("scheme from another enum", lambda: button.setColorScheme(GlossButtonWidget.Style.GlossStyle2),
             TypeError),
            ("style beyond 32 bits", lambda: button.setStyle(2**40), OverflowError),
            ("style out of range", lambda: button.setStyle(42), None),
            ("invalid colour", lambda: button.setColorBright(QColor()), None),
        ]
        for what, call, error in cases:
            with self.subTest(what), Warnings() as warnings:
                if error:
                    self.assertRaises(error, call)
                    self.assertEqual(warnings.messages, [])
                else:
                    call()
                    self.assertEqual(len(warnings.messages), 1, warnings.messages)
        # The kept out-of-range style reads back as itself, not as a member of the enumeration.
        self.assertEqual(button.style().value, 42)
        self.assertNotIn(button.style(), list(GlossButtonWidget.Style))

    def test_huge_caption_paints(self):
        button = GlossButtonWidget()
        button.resize(120, 30)
        button.setCaption("W" * 200000)
        self.assertEqual(len(button.caption()), 200000)
        self.assertFalse(button.grab().isNull())

    def test_deleting_from_its_own_handler_and_outliving_the_parent(self):
        parent = QWidget()
        button = GlossButtonWidget(parent)
        seen = []
        button.clicked.connect(lambda: (seen.append(True), sip.delete(button)))
        button.click()
        self.assertEqual(seen, [True])
        self.assertTrue(sip.isdeleted(button))

        orphan = GlossButtonWidget(parent)
        sip.delete(parent)
        self.assertTrue(sip.isdeleted(orphan))
        self.assertRaises(RuntimeError, orphan.caption)
        self.assertRaises(RuntimeError, orphan.click)


if __name__ == "__main__":
    unittest.main()
