#!/usr/bin/env bash
# What the program keeps from one run to the next, and one run at a time, with the program under
# Xvfb against the sample portal. The portal's start page reports its visit count (local storage)
# and the member name of its log-in cookie as "GET /qqwap/seen?visits=N&member=NAME".
#   runs_test.sh SAMPLE_PORTAL KORVANE_AT
set -euo pipefail
portal=$1 program=$2
. "$(dirname "$0")/lib.sh"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
start_portal 0 || fail "the sample portal did not start"
member='%E7%8E%A9%E5%AE%B6'  # the log-in form's name, as the page sends it

# Log in on the first run, close it with its close button; the next run still has both.
mark
start "$program" "$base"
first=$run_pid
wait_portal 'seen\?visits=1&member= ' || fail "first run: the start page never reported: $(cat "$run_err")"
wait_window || fail "first run: no window"
sleep 0.5
click_at $((603 + 173)) $((97 + 130))  # the log-in form's button
wait_portal "seen\?visits=1&member=$member " 15 || fail "the log-in did not take: $(grep seen "$portal_log")"
close_button
wait_end $first || fail "the first run did not end at its close button"
[ "$status" = 0 ] || fail "first run ended with $status"
[ ! -s "$run_err" ] || ! grep -q '^korvane:' "$run_err" || fail "first run complained: $(cat "$run_err")"
ok "first run: visit 1, logged in, closed by its button"

mark
start "$program" "$base"
second=$run_pid
wait_portal "seen\?visits=2&member=$member " || fail "second run: counter or log-in lost: $(grep seen "$portal_log")"
wait_window || fail "second run: no window"
ok "second run: visit 2, still logged in"

# A second start while one runs brings that one forward and ends at once, with no window or web
# engine of its own. Another window is put over it first; the hand-over raises it above that one.
# (Without a window manager the X server keeps no minimised state and refuses a focus request
# stamped before the last focus change, so un-minimising and activating are not checked here.)
win=$(korvane_window)
xmessage -title korvane-other -geometry 600x400+560+60 other >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do other=$(xdotool search --onlyvisible --name korvane-other 2>/dev/null | head -1 || true); [ -n "$other" ] && break; sleep 0.1; done
[ -n "$other" ] || fail "no other window to cover it"
# True when top-level window $1 lies above $2 (xwininfo lists them top first).
above() {
  local order
  order=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p')
  local a b
  a=$(grep -nx "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)
  b=$(grep -nx "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -lt "$b" ]
}
above "$other" "$win" || fail "the other window did not cover the program's: $win $other $(xwininfo -root -children)"
mark
start "$program" "$base"
wait_end $run_pid 5 || fail "the second start did not end"
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$run_err")"
[ "$(korvane_window)" = "$win" ] || fail "the running window went away or another came"
for _ in $(seq 20); do above "$win" "$other" && break; sleep 0.1; done
above "$win" "$other" || fail "the running window was not raised"
sleep 1
! wait_portal 'GET /qqwap/ ' 0 || fail "the second start loaded the portal itself"
ok "a second start hands over to the running one and ends with 0"

# A run that crashes leaves its lock and socket behind; the next start is not blocked by them.
# (What the crashed run had not written out yet, its own visit, may be lost.)
kill -KILL "$second"
pkill -KILL -P "$second" 2>/dev/null || true
wait "$second" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/korvane-*.socket >/dev/null 2>&1 || fail "the crashed run left no socket to test with"
for _ in $(seq 50); do [ -z "$(korvane_window)" ] && break; sleep 0.1; done
mark
start "$program" "$base"
third=$run_pid
wait_portal "seen\?visits=[23]&member=$member " || fail "after a crash: no start page: $(grep seen "$portal_log")"
wait_window || fail "after a crash: no window"
close_button
wait_end $third || fail "the third run did not end at its close button"
ok "a crashed run's lock and socket do not block the next start"

# Damaged storage: a cookie database cut short and garbage in local storage. One line says so,
# and the run starts afresh.
web="$HOME/.local/share/Korvane/web"
[ -f "$web/Cookies" ] || fail "no cookie database in $web"
truncate -s 3001 "$web/Cookies"
for f in "$web/Local Storage/leveldb/"*; do [ -f "$f" ] && head -c 4096 /dev/urandom >"$f"; done
mark
start "$program" "$base"
fourth=$run_pid
wait_portal "seen\?visits=1&member= " || fail "damaged storage: the start page never came: $(cat "$run_err")"
wait_window || fail "damaged storage: no window"
[ "$(grep -c '^korvane:' "$run_err")" = 1 ] || fail "damaged storage: expected one line, got: $(cat "$run_err")"
close_button
wait_end $fourth || fail "the run on damaged storage did not end"
ok "damaged storage: one line, a fresh start"

# A data folder that cannot be made: one line, off the record, and the program runs.
export HOME="$work/readonly"
mkdir -p "$HOME" && touch "$HOME/.local"  # a file where the folder would go
mark
start "$program" "$base"
fifth=$run_pid
wait_portal "seen\?visits=1&member= " || fail "read-only home: the start page never came: $(cat "$run_err")"
wait_window || fail "read-only home: no window"
[ "$(grep -c '^korvane:' "$run_err")" = 1 ] || fail "read-only home: expected one line, got: $(cat "$run_err")"
close_button
wait_end $fifth || fail "the run without storage did not end"
[ "$status" = 0 ] || fail "the run without storage ended with $status"
ok "unwritable data folder: one line, the program still runs"
