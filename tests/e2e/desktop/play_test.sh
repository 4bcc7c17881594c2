#!/usr/bin/env bash
# The desktop's media controls with real clients: playerctl and dbus-send on a session bus of the
# test's own (dbus-run-session), the program under Xvfb with a window manager (openbox).
#   play_test.sh SAMPLE_PORTAL KORVANE_AT
set -euo pipefail
portal=$1 program=$2
. "$(dirname "$0")/lib.sh"
for tool in playerctl dbus-send openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "run me under dbus-run-session"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
start_portal 0 || fail "the sample portal did not start"

# A method of the program's player: call INTERFACE.METHOD
call() { dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.korvane /org/mpris/MediaPlayer2 "$@" >/dev/null; }
# The names on the bus that belong to running programs.
names() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.ListNames; }
status() { playerctl -p korvane status 2>/dev/null || true; }
wait_status() {
  for _ in $(seq 100); do [ "$(status)" = "$1" ] && return 0; sleep 0.1; done
  fail "status $(status), not $1"
}

mark
start "$program" "$base"
prog=$run_pid
wait_window || fail "no window: $(cat "$run_err")"
win=$(korvane_window)
for _ in $(seq 100); do playerctl -l 2>/dev/null | grep -qx korvane && break; sleep 0.1; done
wait_status Stopped
[ "$(playerctl -p korvane metadata --format '{{playerName}}')" = korvane ] || fail "no metadata"
ok "on the bus as korvane, stopped"

mark
playerctl -p korvane play
wait_status Playing
wait_portal 'GET /songplayer/v2/360' 10 || fail "play did not load the music"
for _ in $(seq 100); do [ "$(playerctl -p korvane metadata title 2>/dev/null)" = "Korvane 音乐台" ] && break; sleep 0.1; done
[ "$(playerctl -p korvane metadata title)" = "Korvane 音乐台" ] || fail "title: $(playerctl -p korvane metadata)"
[ "$(playerctl -p korvane metadata --format '{{mpris:trackid}}')" != "" ] || fail "no track id"
sleep 2  # the music plays: the engine would have put a player of its own on the bus by now
[ "$(playerctl -l)" = korvane ] || fail "more than one player: $(playerctl -l | tr '\n' ' ')"
[ "$(names | grep -c '"org\.mpris\.MediaPlayer2\.')" = 1 ] || fail "$(names | grep mpris)"
ok "play loads the music, the title is the page's, one player on the bus"

mark
playerctl -p korvane next
wait_portal 'GET /songplayer/v2/360' 10 || fail "next did not change the track"
playerctl -p korvane pause
wait_status Stopped
ok "next changes the track, pause switches the music off"

xdotool windowminimize "$win"
for _ in $(seq 50); do [ -z "$(korvane_window)" ] && break; sleep 0.1; done
[ -z "$(korvane_window)" ] || fail "the window did not minimise"
call org.mpris.MediaPlayer2.Raise
for _ in $(seq 50); do [ -n "$(korvane_window)" ] && break; sleep 0.1; done
[ "$(korvane_window)" = "$win" ] || fail "Raise did not bring the window back"
ok "Raise un-minimises the window"

# Moved by the player (here by the window manager, as a drag ends), kept for the next run.
xdotool windowmove "$win" 100 150
sleep 1
call org.mpris.MediaPlayer2.Quit
wait_end "$prog" || fail "Quit did not end the program"
[ "$status" = 0 ] || fail "ended with $status"
ok "Quit closes the program"

position() { xdotool getwindowgeometry "$(korvane_window)" | sed -n 's/^ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }

# Without a session bus: the program runs as before, saying so once, where it was left.
start env -u DBUS_SESSION_BUS_ADDRESS "$program" "$base"
prog=$run_pid
wait_window || fail "no window without a bus: $(cat "$run_err")"
sleep 1
[ "$(grep -c 'no session bus' "$run_err")" = 1 ] || fail "not said once: $(cat "$run_err")"
[ "$(position)" = 100,150 ] || fail "not opened where it was left: $(position)"
click_at $((100 + 488 + 12)) $((150 + 12))
wait_end "$prog" || fail "the close button did not end the run without a bus"
ok "without a session bus: one line, and the program runs where it was left"

# A game's 全屏 under the window manager: the whole screen, above everything; Esc gives the window
# back as it was, with the keyboard in it. (The portal pane opens the sample portal's first game.)
visible() { xdotool search --onlyvisible --name '^Korvane$' 2>/dev/null || true; }
mark
start "$program" "$base/qqwap/game/1?"
prog=$run_pid
wait_window || fail "no window for the game: $(cat "$run_err")"
wait_portal 'GET /qqwap/game/1' 10 || fail "the game page was not asked for"
win=$(korvane_window)
before=$(xdotool getwindowgeometry "$win")
sleep 1
pos=$(position)
click_at $((${pos%,*} + 168)) $((${pos#*,} + 187))  # the page's 全屏 button
for _ in $(seq 50); do full=$(visible | grep -vx "$win" | head -1); [ -n "$full" ] && break; sleep 0.1; done
[ -n "$full" ] || fail "the game did not go fullscreen"
xdotool getwindowgeometry "$full" | grep -q 'Geometry: 1280x800' || fail "not the whole screen: $(xdotool getwindowgeometry "$full")"
xprop -id "$full" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the window manager was not told"
xdotool key Escape
for _ in $(seq 30); do [ "$(visible)" = "$win" ] && break; sleep 0.1; done
[ "$(visible)" = "$win" ] || fail "Esc did not leave fullscreen: $(visible)"
[ "$(xdotool getwindowgeometry "$win")" = "$before" ] || fail "not back as it was: $(xdotool getwindowgeometry "$win")"
for _ in $(seq 30); do [ "$(xdotool getactivewindow)" = "$win" ] && break; sleep 0.1; done
[ "$(xdotool getactivewindow)" = "$win" ] || fail "the keyboard is not back in the window"
call org.mpris.MediaPlayer2.Quit
wait_end "$prog" || fail "Quit did not end the game run"
ok "a game's 全屏 takes the screen, and Esc gives the window back as it was"
