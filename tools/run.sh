#!/usr/bin/env bash
# make run: starts the bundled sample portal, then the program; stops the portal when the program ends.
# Without a display it runs under Xvfb, saves a screenshot once the portal page has loaded, and ends.
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
trap 'kill $portal_pid 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do
  grep -q listening "$log" && break
  kill -0 $portal_pid 2>/dev/null || { cat "$log" >&2; exit 1; }
  sleep 0.1
done

if [ -n "${DISPLAY:-}" ]; then
  "$program"
  exit $?
fi

# No display: run under Xvfb, wait for the portal page to be served and painted, take a screenshot.
shot="$root/out/korvane-screenshot.png"
mkdir -p "$root/out"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$1" & pid=$!
  for _ in $(seq 200); do grep -q "GET /qqwap/" "$2" && break; sleep 0.1; done
  sleep 3
  import -window root "$3"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
' _ "$program" "$log" "$shot"
echo "screenshot: $shot"
