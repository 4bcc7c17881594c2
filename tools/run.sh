#!/usr/bin/env bash
# make run: starts the bundled sample portal, then the program; stops the portal when the program ends.
# Without a display it runs under Xvfb, saves a screenshot of the window once the portal page has
# loaded, closes the program with its own close button, and ends.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
portal="$build/tools/sample-portal/sample-portal"
program="$build/app/korvane"
[ -x "$portal" ] || { echo "run: $portal not built" >&2; exit 1; }
[ -x "$program" ] || { echo "run: $program not built" >&2; exit 1; }

log=$(mktemp -t korvane-portal.XXXXXX)
"$portal" --port 8421 >"$log" 2>&1 &
portal_pid=$!
trap 'kill $portal_pid 2>/dev/null || true; wait $portal_pid 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do
  grep -q listening "$log" && break
  kill -0 $portal_pid 2>/dev/null || { cat "$log" >&2; exit 1; }
  sleep 0.1
done
grep -q listening "$log" || { echo "run: the sample portal did not start" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
  status=0
  "$program" || status=$?
  exit $status
fi

# No display: a virtual screen large enough for the window at its design position (603, 97).
shot="$root/out/korvane-screenshot.png"
mkdir -p "$root/out"
rm -f "$shot"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
status=0
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  program=$1 log=$2 shot=$3
  "$program" & pid=$!
  for _ in $(seq 300); do grep -q "GET /qqwap/portal.css" "$log" && break; sleep 0.1; done
  grep -q "GET /qqwap/ " "$log" || echo "run: the portal page was never requested" >&2
  sleep 3  # the page paints a little after its last request
  win=$(xdotool search --onlyvisible --name "^Korvane\$" 2>/dev/null | head -n1 || true)
  if [ -n "$win" ]; then
    eval "$(xdotool getwindowgeometry --shell "$win")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
    # End it as a user would: its close button, 12 px in from the top-right corner area.
    xdotool mousemove $((X + 500)) $((Y + 12)) sleep 0.3 mousemove $((X + 501)) $((Y + 12)) sleep 0.2 click 1
  else
    echo "run: the program window did not appear" >&2
    import -window root "$shot"
  fi
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then
    echo "run: the program did not end on its close button; stopping it" >&2
    kill $pid
  fi
  wait $pid
' _ "$program" "$log" "$shot" || status=$?
[ -f "$shot" ] && echo "screenshot: $shot"
exit $status
