#!/bin/sh
# with-bridge.sh BUS_LAUNCHER XVFB_RUN PROGRAM: PROGRAM on a fresh X server, inside the caller's
# session bus (dbus-run-session), with the accessibility bus running and Qt's bridge switched on.
"$1" --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" -a -s "-screen 0 640x480x24" "$3"
