// A QML program of its own, run by `qml` against an installed prefix: one GlossButton on a
// coloured window, written to the file named by the last argument once it has been drawn.
import QtQuick
import GlossButton

Window {
    id: window
    width: 140
    height: 60
    visible: true
    color: "#00c800"

    GlossButton {
        x: 10; y: 10; width: 120; height: 40
        style: GlossButton.GlossStyle3
        caption: "OK"
        captionFont.family: "DejaVu Sans"
        captionFont.pointSize: 9
    }

    property bool saved: false
    onFrameSwapped: {
        if (saved) return
        saved = true
        const out = Qt.application.arguments[Qt.application.arguments.length - 1]
        window.contentItem.grabToImage(function (result) {
            if (!result.saveToFile(out)) console.error("cannot write " + out)
            Qt.quit()
        })
    }
}
