#!/usr/bin/env bash
# make bench: builds the benchmarks, runs them and prints Redraw per style, state and size as time
# per pixel, beside Qt's QPushButton and a one-colour fill of the same surface (median CPU time of
# a few repetitions). Figures only: nothing here passes or fails on a timing.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
reps=${BENCH_REPETITIONS:-3}

targets=$(cmake --build "$build" --target help | sed -n 's/^\(bench_[a-z_]*\):.*/\1/p' | { grep -v '_autogen$' || true; } | sort -u | tr '\n' ' ')
[ -n "$targets" ] || { echo "bench: no benchmark targets in $build (KORVANE_WITH_BENCH off?)" >&2; exit 1; }
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

# The other Google Benchmark programs print their own tables.
others() {
  for t in $targets; do
    case $t in bench_render | bench_redraw_vs_qt | *_autogen) continue ;; esac
    [ -f "$build/bench/$t" ] && [ -x "$build/bench/$t" ] || continue
    echo
    echo "== $t"
    "$build/bench/$t" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true
  done
}

if [ ! -x "$build/bench/bench_redraw_vs_qt" ]; then
  # Without Qt there is no QPushButton to compare with: the fill is the only comparator.
  "$build/bench/bench_render" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true
  others
  exit 0
fi

out=$(mktemp -t korvane-bench.XXXXXX.json)
trap 'rm -f "$out"' EXIT
"$build/bench/bench_redraw_vs_qt" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json >/dev/null

if ! command -v python3 >/dev/null; then
  cat "$out"
  others
  exit 0
fi
python3 - "$out" <<'PY'
import json, re, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = {}
for b in runs:  # the median when there are repetitions, else the single run
    if b.get("run_type") == "iteration" or b.get("aggregate_name") == "median":
        median[b["run_name"]] = b["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]]
def args(name):
    return dict((k, int(v)) for k, v in re.findall(r"(\w+):(-?\d+)", name))
fill, qt = {}, {}
for name, t in median.items():
    a = args(name)
    if name.startswith("BM_Fill/"): fill[(a["w"], a["h"])] = t
    if name.startswith("BM_QPushButton/"): qt[(a["w"], a["h"])] = t
print("Redraw (RedrawButton on a surface of the size), median CPU time of the repetitions.")
print("caption 0: no caption; caption 1: \"OK\" through host/qt/QtTextEngine.")
print("x QPushButton < 1 means faster than QPushButton; x fill is the time of a one-colour fill.")
for size, t in sorted(fill.items(), key=lambda kv: kv[0][0] * kv[0][1]):
    n = size[0] * size[1]
    print(f"  {size[0]}x{size[1]}: fill {t / 1e3:8.2f} us ({t / n:6.3f} ns/px), QPushButton {qt.get(size, 0) / 1e3:8.2f} us")
print()
print(f"{'cap':>3} {'style':>5} {'state':>5} {'size':>8} {'us':>8} {'ns/px':>7} {'x QPushButton':>13} {'x fill':>7}")
rows = []
for name, t in median.items():
    if not name.startswith("BM_Redraw/"): continue
    a = args(name)
    rows.append((a["caption"], a["style"], a["state"], a["w"] * a["h"], a["w"], a["h"], t))
slow = []
for cap, style, state, _, w, h, t in sorted(rows):
    q, f = qt[(w, h)], fill[(w, h)]
    print(f"{cap:>3} {style:>5} {state:>5} {f'{w}x{h}':>8} {t / 1e3:8.2f} {t / (w * h):7.3f} {t / q:13.3f} {t / f:7.2f}")
    if t >= q or (w * h == 400 * 120 and t > 5 * f): slow.append(f"caption {cap} style {style} state {state} {w}x{h}")
print()
print("Goals (faster than QPushButton everywhere; within 5x the fill at 400x120) not met for:" if slow else "Every goal met.")
for s in slow: print("  " + s)
PY
others

# Start-up time and peak memory of the program beside a bare web view (bench/startup.sh documents
# its method); bench_hover runs above with the other benchmarks.
if cmake --build "$build" --target help | grep '^korvane-bench:' >/dev/null; then
  echo
  "$root/bench/startup.sh" "$build"
fi
