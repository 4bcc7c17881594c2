#!/usr/bin/env bash
# The Win32 demo under Wine on the X display: the real pointer over the red close button shows
# the hover face (the same pixels the close-button unit test expects), and a click closes the
# program. Usage: demo-e2e.sh <wine64> <glossbutton-demo-win32.exe> <work dir>
set -uo pipefail
WINE=$1 EXE=$2 WORK=$3
mkdir -p "$WORK"
OUT="$WORK/demo-e2e.out"
fail() { echo "FAIL: $*"; echo "--- demo output:"; cat "$OUT"; kill "$PID" 2>/dev/null; exit 1; }

"$WINE" "$EXE" >"$OUT" 2>"$WORK/demo-e2e.err" &
PID=$!
for _ in $(seq 1 300); do grep -q '^ready' "$OUT" 2>/dev/null && break; sleep 0.1; done
grep -q '^ready' "$OUT" || fail "the demo did not start"
read -r _ _ X Y W H < <(tr -d '\r' <"$OUT" | grep '^site GlossButton3 ')
[ "$W" = 25 ] && [ "$H" = 25 ] || fail "close button is ${W}x${H}, not 25x25"

# The demo's window is at the screen's origin, so client and screen coordinates agree.
pixel() { import -window root -crop "1x1+$(($X + $1))+$(($Y + $2))" -depth 8 txt:- 2>/dev/null |
          grep -o '#[0-9A-F]\{6\}' | head -n1; }
# Edge (12,23), gloss (12,5) and the glow of row 12, taken at (6,12): the row has one colour
# and GDI's "×" covers its centre.
face() { echo "$(pixel 12 23) $(pixel 12 5) $(pixel 6 12)"; }
face_is() {
  for _ in $(seq 1 50); do
    [ "$(face)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
face_is "#FF0000 #FFB6B6 #FF4242" || fail "up face: $(face)"
xdotool mousemove $(($X + 12)) $(($Y + 12))
face_is "#800000 #DBB6B6 #C14242" || fail "hover face: $(face)"
grep -q '^GlossButton3: MouseEnter' "$OUT" || fail "no MouseEnter"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"

xdotool click 1
for _ in $(seq 1 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && fail "the demo is still running after the click"
wait "$PID"; rc=$?
[ $rc -eq 0 ] || fail "exit code $rc"
grep -q '^GlossButton3: Click' "$OUT" || fail "no Click"
grep -q '^closed' "$OUT" || fail "did not close through its message loop"
echo "PASS"
