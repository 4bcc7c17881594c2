// GlossButton in Qt Quick. With the module installed under PREFIX:
//   qml -I PREFIX/lib/qml main.qml
import QtQuick
import GlossButton

Window {
    width: 360
    height: 150
    visible: true
    color: "#eef1f5"
    title: "GlossButton in QML"

    property int clicks: 0

    Row {
        x: 20
        y: 20
        spacing: 12

        GlossButton {
            width: 100; height: 32
            style: GlossButton.GlossStyle3
            caption: "Play"
            displayHand: true
            onClicked: clicks++
            onActivated: clicks++    // Space, Return or Enter on the focused button
        }
        GlossButton {
            width: 100; height: 32
            style: GlossButton.GlossStyle5
            colorScheme: GlossButton.GreenScheme
            caption: checked ? "On" : "Off"
            onClicked: checked = !checked
        }
        GlossButton {
            width: 100; height: 32
            style: GlossButton.ClassicStyle
            caption: "Quit"
            onClicked: Qt.quit()
        }
    }

    Text {
        x: 20
        y: 80
        text: "Play pressed " + clicks + " times"
    }
}
