# Shared by the desktop tests: a scratch folder, the sample portal, the program started and
# waited for. Sourced; the caller sets `portal` (the sample-portal binary).
work=$(mktemp -d -t korvane-desktop.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do
    pkill -KILL -P "$p" 2>/dev/null || true
    kill -KILL "$p" 2>/dev/null || true
    wait "$p" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { echo "ok: $*"; }

# Starts the portal on port $1 (0: any free one); sets base and portal_log. Fails if the port is taken.
start_portal() {
  portal_log="$work/portal.log"
  "$portal" --port "$1" >"$portal_log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    grep -q listening "$portal_log" && break
    kill -0 "${pids[-1]}" 2>/dev/null || return 1
    sleep 0.1
  done
  base="http://127.0.0.1:$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$portal_log")"
  [ "$base" != "http://127.0.0.1:" ]
}

# Lines of the portal's log from here on are the ones wait_portal looks at.
mark_line=0
mark() { mark_line=$(wc -l <"$portal_log"); }

# Waits up to $2 seconds (default 40) for a line matching the regex $1 in the portal's log since the mark.
wait_portal() {
  local n=$(( ${2:-40} * 10 ))
  [ $n -gt 0 ] || n=1  # a timeout of 0 still looks once
  for _ in $(seq $n); do
    tail -n +$((mark_line + 1)) "$portal_log" | grep -qE "$1" && return 0
    sleep 0.1
  done
  return 1
}

# Starts "$@" in the background with its output in $work/run<N>.out/.err; sets run_pid, run_out, run_err.
runs=0
start() {
  runs=$((runs + 1))
  run_out="$work/run$runs.out" run_err="$work/run$runs.err"
  "$@" >"$run_out" 2>"$run_err" &
  run_pid=$!
  pids+=($run_pid)
}

# Waits up to $2 seconds for process $1 to end; sets status.
wait_end() {
  for _ in $(seq $(( ${2:-20} * 10 ))); do
    if ! kill -0 "$1" 2>/dev/null; then
      status=0
      wait "$1" || status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The id of the one visible window named Korvane (empty when none; fails when more than one).
korvane_window() {
  local ids
  ids=$(xdotool search --onlyvisible --name '^Korvane$' 2>/dev/null || true)
  [ "$(grep -c . <<<"$ids")" -le 1 ] || fail "more than one Korvane window: $ids"
  echo "$ids"
}

wait_window() {
  for _ in $(seq 300); do
    [ -n "$(korvane_window)" ] && return 0
    sleep 0.1
  done
  return 1
}

# A left click at screen point ($1, $2), with the pointer arriving first as a user's would.
click_at() {
  xdotool mousemove "$1" "$2" sleep 0.3 mousemove $(( $1 + 1 )) "$2" sleep 0.2 click 1
}

# The program opens at its design position: client area at (603, 97), 519 x 368.
close_button() { click_at $((603 + 488 + 12)) $((97 + 12)); }
