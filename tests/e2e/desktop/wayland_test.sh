#!/usr/bin/env bash
# The program as a native Wayland client under a headless Weston of its own: the real program
# starts, paints its portal frame (its paint probe) and stays up, and ends cleanly when asked; the
# in-process form hands a background drag to the compositor and its two buttons work.
#   wayland_test.sh SAMPLE_PORTAL KORVANE_AT E2E_PROGRAM
set -euo pipefail
portal=$1 program=$2 e2e=$3
. "$(dirname "$0")/lib.sh"
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$HOME"
socket=korvane-test-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=800 \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(cat "$work/weston.log")"
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY

start_portal 0 || fail "the sample portal did not start"
mark
start "$program" "$base"
wayland_run=$run_pid
for _ in $(seq 400); do grep -qE '^(painted|failed) ' "$run_out" && break; kill -0 $wayland_run 2>/dev/null || break; sleep 0.1; done
grep -q '^painted ' "$run_out" || fail "no painted portal frame under Wayland: $(cat "$run_out" "$run_err" | tail -20)"
wait_portal 'seen\?visits=1' 10 || fail "the start page's script never ran"
sleep 2
kill -0 $wayland_run 2>/dev/null || fail "the program did not stay up"
! grep -qi 'xcb\|could not connect to display' "$run_err" || fail "the program did not run on Wayland: $(cat "$run_err")"
kill -TERM $wayland_run
wait_end $wayland_run || fail "the program did not end when asked"
[ "$status" = 0 ] || fail "the program ended with $status"
ok "the program under Wayland painted its portal, stayed up and ended cleanly"

XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$e2e" --gtest_filter='WaylandTest.*' --gtest_also_run_disabled_tests >"$work/gtest.log" 2>&1 ||
  fail "in-process Wayland test: $(grep -E 'Failure|FAILED|Expected|Which is|error' "$work/gtest.log" | head -20)"
grep -q '\[  PASSED  \] 1 test' "$work/gtest.log" || fail "the Wayland test did not run: $(grep -E "SKIPPED|PASSED|Skipped|Failure" "$work/gtest.log")"
ok "in-process: drag handed to the compositor, minimise and close buttons work"
