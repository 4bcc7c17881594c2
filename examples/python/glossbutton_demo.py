#!/usr/bin/env python3
"""Three GlossButtons in a PyQt6 layout, one of each style family, with their clicks counted.

Run it with the installed module on the path:
    PYTHONPATH=<prefix>/lib/python3/dist-packages python3 glossbutton_demo.py
With --smoke it clicks each button once, prints the count and ends.
"""
import sys

from PyQt6.QtCore import QTimer
from PyQt6.QtWidgets import QApplication, QHBoxLayout, QLabel, QVBoxLayout, QWidget

from GlossButton import GlossButtonWidget


def main():
    app = QApplication(sys.argv)
    window = QWidget()
    window.setWindowTitle("GlossButton from Python")
    column = QVBoxLayout(window)
    row = QHBoxLayout()
    column.addLayout(row)
    label = QLabel("clicks: 0")
    column.addWidget(label)

    clicks = []
    buttons = []
    for caption, style in (("Flat", GlossButtonWidget.Style.ClassicStyle),
                           ("Glossy", GlossButtonWidget.Style.GlossStyle3),
                           ("Round", GlossButtonWidget.Style.CrescentStyle)):
        button = GlossButtonWidget(window)
        button.setCaption(caption)
        button.setStyle(style)
        button.setColorScheme(GlossButtonWidget.ColorScheme.BlueScheme)
        button.setMinimumSize(100, 30)

        def on_clicked(button=button):
            clicks.append(button.caption())
            label.setText("clicks: %d (last: %s)" % (len(clicks), clicks[-1]))

        button.clicked.connect(on_clicked)
        row.addWidget(button)
        buttons.append(button)
    window.show()

    if "--smoke" in sys.argv:
        def smoke():
            for button in buttons:
                button.click()
            print(label.text())
            app.exit(0 if len(clicks) == 3 else 1)

        QTimer.singleShot(0, smoke)
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
