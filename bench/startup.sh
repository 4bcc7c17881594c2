#!/usr/bin/env bash
# Start-up time and peak memory of the program beside a bare QWebEngineView program, its time to
# its window beside a plain Qt widgets window, and the time a second start takes to hand over to a
# running one.
#
#   bench/startup.sh [BUILD]          BUILD defaults to build; env RUNS (default 5), SETTLE_MS (2000)
#   OLD=OTHER/bench/bare-webview/korvane-bench bench/startup.sh BUILD
#                                     also an older build's program, in the same turns (its figures
#                                     beside the program's, and new/old)
#
# Builds korvane-bench (the program with a paint probe and a window probe), bare-webview (one
# QWebEngineView, 519 x 368, same paint probe), plain-window (a Qt widgets window of the same size with
# three labels and the same window probe, no web engine: the floor) and sample-portal in BUILD, serves the portal on korvane-bench's compiled-in port, and
# under one Xvfb screen starts four programs RUNS times each, in turn, after one untimed warm-up
# of each: the program (its web profile kept in a scratch data folder, warm after the warm-up),
# the bare view off the record, the bare view on the program's very same profile folder
# ("bare-kept"; never at the same time as the program), and the plain window. Per run:
#   time    from just before exec to the probe's "painted" line: the first load finished and the
#           frame after it produced (both clocks CLOCK_MONOTONIC);
#   window  from just before exec to the "mapped" line: the event loop's turn after the first
#           frame of the window (the program and the plain window);
#   memory  the largest sum of PSS (smaps_rollup; RSS where that is missing) over the program and
#           every process below it (the web engine's zygote and renderers), sampled every 10 ms from
#           exec until SETTLE_MS after the paint.
# Then, with one program running, starts it RUNS more times: each hands over to the running one
# and ends; timed from just before exec to its exit.
# Prints the medians and the ratios program / bare. Figures only: nothing passes or fails here.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${RUNS:-5}
settle=${SETTLE_MS:-2000}

cmake --build "$build" --target korvane-bench bare-webview plain-window sample-portal >/dev/null
port=$(cat "$build/bench/bare-webview/portal-port.txt")
portal="$build/tools/sample-portal/sample-portal"

log=$(mktemp -t korvane-startup-portal.XXXXXX)
"$portal" --port "$port" >"$log" 2>&1 &
portal_pid=$!
scratch=$(mktemp -d -t korvane-startup.XXXXXX)
trap 'kill $portal_pid 2>/dev/null || true; wait $portal_pid 2>/dev/null || true; rm -rf "$log" "$scratch"' EXIT
# The program's data folder and one-run lock in the scratch folder, not the user's.
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

for _ in $(seq 50); do
  grep -q listening "$log" && break
  kill -0 $portal_pid 2>/dev/null || { cat "$log" >&2; echo "startup: port $port busy?" >&2; exit 1; }
  sleep 0.1
done
grep -q listening "$log" || { echo "startup: the sample portal did not start" >&2; exit 1; }

export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
xvfb-run -a -s "-screen 0 1280x800x24" python3 - "$build/bench/bare-webview/korvane-bench" \
  "$build/bench/bare-webview/bare-webview" "http://127.0.0.1:$port/qqwap/" "$runs" "$settle" "$XDG_DATA_HOME/Korvane" \
  "$build/bench/window-probe/plain-window" "${OLD:-}" <<'PY'
import os, signal, statistics, subprocess, sys, threading, time

korvane, bare, url, runs, settle_ms, data, plain = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), float(sys.argv[5]), sys.argv[6], sys.argv[7]
old = sys.argv[8] if len(sys.argv) > 8 else ""
PROGRAMS = {"program": [korvane], "bare": [bare, url], "bare-kept": [bare, "--profile", data, url], "plain": [plain]}
if old:
    PROGRAMS["old"] = [old]

def descendants(pid):
    """pid and every process below it, through each thread's children list."""
    found, todo = [], [pid]
    while todo:
        p = todo.pop()
        found.append(p)
        try:
            tids = os.listdir(f"/proc/{p}/task")
        except OSError:
            continue
        for t in tids:
            try:
                with open(f"/proc/{p}/task/{t}/children") as f:
                    todo.extend(int(c) for c in f.read().split())
            except OSError:
                pass
    return found

def memory_kib(pid):
    for path, key in ((f"/proc/{pid}/smaps_rollup", "Pss:"), (f"/proc/{pid}/status", "VmRSS:")):
        try:
            with open(path) as f:
                for line in f:
                    if line.startswith(key):
                        return int(line.split()[1])
        except OSError:
            pass
    return 0

def run_once(argv):
    start = time.monotonic() * 1e3
    proc = subprocess.Popen(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    lines = {}
    def read():
        for line in proc.stdout:
            parts = line.split()
            if len(parts) == 2 and parts[0] in ("loaded", "painted", "failed", "mapped"):
                lines.setdefault(parts[0], float(parts[1]))
    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    peak, seen, deadline = 0, set(), None
    limit = time.monotonic() * 1e3 + 30000
    while proc.poll() is None:
        now = time.monotonic() * 1e3
        done = "mapped" in lines if argv[0] == plain else ("painted" in lines or "failed" in lines)
        if deadline is None and done:
            deadline = now + settle_ms
        if (deadline is not None and now >= deadline) or now > limit:
            break
        pids = descendants(proc.pid)
        seen.update(pids)
        peak = max(peak, sum(memory_kib(p) for p in pids))
        time.sleep(0.01)
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    for p in seen - {proc.pid}:  # engine helpers left behind by the signal
        try:
            os.kill(p, signal.SIGKILL)
        except OSError:
            pass
    reader.join(timeout=2)
    if argv[0] == plain:
        if "mapped" not in lines:
            raise SystemExit("startup: the plain window never reported its frame")
        return lines["mapped"] - start, peak / 1024.0, lines["mapped"] - start, lines["mapped"] - start
    if "painted" not in lines:
        raise SystemExit(f"startup: {argv[0]} never reported its paint ({'load failed' if 'failed' in lines else 'timed out'})")
    if "mapped" not in lines and argv[0] in (korvane, old):
        raise SystemExit("startup: the program never reported its window's frame")
    return lines["painted"] - start, peak / 1024.0, lines.get("loaded", lines["painted"]) - start, lines.get("mapped", 0) - start

for name, argv in PROGRAMS.items():  # warm-up: caches filled for both alike
    run_once(argv)
results = {name: [] for name in PROGRAMS}
for i in range(runs):
    order = list(PROGRAMS)[i % len(PROGRAMS):] + list(PROGRAMS)[:i % len(PROGRAMS)]
    for name in order:
        ms, mib, loaded, mapped = run_once(PROGRAMS[name])
        results[name].append((ms, mib, loaded, mapped))
        if name == "plain":
            print(f"  run {i + 1} {name:>9}: window {mapped:7.1f} ms", flush=True)
        elif name in ("program", "old"):
            print(f"  run {i + 1} {name:>9}: window {mapped:7.1f} ms, painted {ms:7.1f} ms (loaded {loaded:7.1f} ms), "
                  f"peak {mib:6.1f} MiB", flush=True)
        else:
            print(f"  run {i + 1} {name:>9}: painted {ms:7.1f} ms (loaded {loaded:7.1f} ms), peak {mib:6.1f} MiB", flush=True)

# Hand-over: one program up to its paint, then later starts against it.
first = subprocess.Popen([korvane], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
for line in first.stdout:
    if line.split()[:1] in (["painted"], ["failed"]):
        break
handover = []
for _ in range(runs):
    start = time.monotonic() * 1e3
    status = subprocess.run([korvane], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    handover.append(time.monotonic() * 1e3 - start)
    if status != 0:
        raise SystemExit(f"startup: a second start ended with {status}")
first.send_signal(signal.SIGTERM)
try:
    first.wait(timeout=15)
except subprocess.TimeoutExpired:
    first.kill()
    first.wait()

med = {n: (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs)) for n, rs in results.items()
       if n != "plain"}
p, b, k = med["program"], med["bare"], med["bare-kept"]
window = statistics.median(r[3] for r in results["program"])
floor = statistics.median(r[3] for r in results["plain"])
print(f"Exec to the window's first frame, median of {runs} runs: program {window:.1f} ms, plain Qt window "
      f"{floor:.1f} ms, program/plain {window / floor:.3f}   (goal: 1.2 or less)")
print(f"Start-up to first painted portal frame and peak memory (PSS of all processes), median of {runs} runs:")
print(f"  {'':15} {'start-up ms':>12} {'peak MiB':>10}")
print(f"  {'program':15} {p[0]:12.1f} {p[1]:10.1f}")
print(f"  {'bare':15} {b[0]:12.1f} {b[1]:10.1f}")
print(f"  {'bare-kept':15} {k[0]:12.1f} {k[1]:10.1f}")
print(f"  {'program/bare':15} {p[0] / b[0]:12.3f} {p[1] / b[1]:10.3f}   (goal: 1.15 or less on both)")
print(f"  {'program/kept':15} {p[0] / k[0]:12.3f} {p[1] / k[1]:10.3f}   (goal: 1.03 / 1.05 or less, same warm profile)")
if old:
    o = med["old"]
    old_window = statistics.median(r[3] for r in results["old"])
    print(f"Older build, same turns: window {old_window:.1f} ms (old/plain {old_window / floor:.3f}), start-up "
          f"{o[0]:.1f} ms, peak {o[1]:.1f} MiB; new/old: window {window / old_window:.3f}, start-up {p[0] / o[0]:.3f}, "
          f"peak {p[1] / o[1]:.3f}")
print(f"Second start handing over to the running one, process start to exit, median of {runs}: "
      f"{statistics.median(handover):.1f} ms (min {min(handover):.1f}, max {max(handover):.1f}; goal under 150 ms)")
PY
