#!/usr/bin/env bash
# qml_test.sh CMAKE BUILD_DIR SOURCE_DIR QML_TOOL
# Installs the Development component into a fresh prefix, then runs a QML program of its own with
# Qt's `qml` tool and that prefix's lib/qml alone on the import path: its GlossButton must draw
# the face glossbutton-render (from the same prefix) draws, pixel for pixel inside the shape.
set -euo pipefail
cmake=$1 build=$2 src=$3 qml=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" --component Development >"$work/install.log"
for f in qmldir korvane_quick.qmltypes libglossbuttonplugin.so; do
  [ -f "$prefix/lib/qml/GlossButton/$f" ] || fail "lib/qml/GlossButton/$f not installed"
done
if ldd "$prefix/lib/qml/GlossButton/libglossbuttonplugin.so" | grep -q 'not found'; then
  fail "the plugin needs a library that is not there"
fi

unset QML_IMPORT_PATH QML2_IMPORT_PATH
# Offscreen with the software scene graph, and on an X server (Xvfb) with OpenGL.
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
  "$qml" -I "$prefix/lib/qml" "$src/tests/install/qml_grab.qml" -- "$work/window.png" >"$work/qml.log" 2>&1 ||
  { cat "$work/qml.log"; fail "the QML program failed offscreen"; }
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 640x480x24" \
  "$qml" -I "$prefix/lib/qml" "$src/tests/install/qml_grab.qml" -- "$work/window-x.png" >"$work/qml-x.log" 2>&1 ||
  { cat "$work/qml-x.log"; fail "the QML program failed under Xvfb"; }
for f in window window-x; do
  [ -f "$work/$f.png" ] || { cat "$work"/qml*.log; fail "the QML program wrote no $f.png"; }
done
export QT_QPA_PLATFORM=offscreen
# The example loads and keeps running (until timeout stops it, status 124) without a warning.
rc=0
timeout 5 "$qml" -I "$prefix/lib/qml" "$src/examples/qml/main.qml" >"$work/example.log" 2>&1 || rc=$?
[ "$rc" -eq 124 ] || { cat "$work/example.log"; fail "examples/qml/main.qml ended with status $rc"; }
if grep -q -i -E 'error|warning' "$work/example.log"; then cat "$work/example.log"; fail "the example warns"; fi

"$prefix/bin/glossbutton-render" --style 3 --state 0 --width 120 --height 40 --caption OK \
  --font "DejaVu Sans" --font-size 9 --parent-back 0x00C800 --out "$work/face.png" --mask-out "$work/mask.pbm"

for f in window window-x; do
  /usr/bin/python3 - "$work/$f.png" "$work/face.png" "$work/mask.pbm" <<'PY' || fail "$f.png: the face differs"
import sys
from PyQt6.QtGui import QImage  # Debian's python3-pyqt6
window, face, mask = (QImage(p) for p in sys.argv[1:])
assert not window.isNull() and not face.isNull() and not mask.isNull(), "an image did not load"
inside = differ = 0
for y in range(face.height()):
    for x in range(face.width()):
        if mask.pixelIndex(x, y) != 1:  # black: inside the shape
            continue
        inside += 1
        differ += face.pixel(x, y) != window.pixel(10 + x, 10 + y)
print(f"{sys.argv[1]}: inside the shape {inside} of {face.width() * face.height()} pixels, differing {differ}")
sys.exit(0 if inside > face.width() * face.height() // 2 and differ == 0 else 1)
PY
done
echo "ok: the installed QML module draws the renderer's face"
