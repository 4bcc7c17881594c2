#!/usr/bin/env bash
# How the web panes of the program come back and what they cost, measured on the real program
# (korvane-figures: the program as app/main.cpp starts it, reporting each page shown) under Xvfb:
#
#   back      the portal's server down at start; after a pause (2 to 11 s, so that the retries are
#             caught at every step of their pauses) a sample portal starts on its port: time from its
#             "listening" line to the portal pane's page shown (the frame after its load), no click;
#   renderer  then the portal page's renderer process is killed (SIGKILL): time from the kill to
#             the page shown again;
#   close     a click on the close button (xdotool) to the end of the process, with a plain page,
#             with a page whose dialog loop has a dialog up, and with a page spinning in a script loop;
#   fullscreen a click on a game page's fullscreen button (xdotool) to the frame after entering, and
#             Esc to the frame after leaving, repeated in one run of the program;
#   idle      CPU of the program and every process below it over 20 s, music never switched on
#             against music switched on (the player shown) and off again, interleaved runs.
#
#   bench/pane_figures.sh [BUILD]      BUILD defaults to build; env RUNS (default 4)
# Figures only: nothing passes or fails here.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${RUNS:-4}
cmake --build "$build" --target korvane-figures sample-portal >/dev/null
scratch=$(mktemp -d -t korvane-figures.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
xvfb-run -a -s "-screen 0 1280x800x24" python3 - "$build/bench/pane-figures/korvane-figures" \
  "$build/tools/sample-portal/sample-portal" "$runs" <<'PY'
import http.server, os, queue, signal, socket, statistics, subprocess, sys, threading, time

program, portal, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
# The window's client area opens at (603, 97); the close button's centre and the music label's.
CLOSE = (603 + 488 + 12, 97 + 12)
MUSIC = (603 + 336 + 28, 97 + 40 + 8)
HZ = os.sysconf("SC_CLK_TCK")

def ms():
    return time.clock_gettime(time.CLOCK_MONOTONIC) * 1e3

def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]

class Program:
    def __init__(self, base):
        self.lines = queue.Queue()
        self.renderer = {}
        self.p = subprocess.Popen([program, base], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        threading.Thread(target=self.read, daemon=True).start()
    def read(self):
        for line in self.p.stdout:
            what, pane, value = line.split()
            if what == "renderer":
                self.renderer[pane] = int(float(value))
            self.lines.put((what, pane, float(value)))
    def wait(self, what, pane, timeout=30):
        end = time.monotonic() + timeout
        while True:
            left = end - time.monotonic()
            if left <= 0:
                raise TimeoutError(f"no '{what} {pane}'")
            w, p, v = self.lines.get(timeout=left)
            if (w, p) == (what, pane):
                return v
    def drain(self):
        while not self.lines.empty():
            self.lines.get()
    def stop(self):
        if self.p.poll() is None:
            self.p.send_signal(signal.SIGTERM)
            try:
                self.p.wait(10)
            except subprocess.TimeoutExpired:
                self.p.kill()
                self.p.wait()

def start_portal(port):
    p = subprocess.Popen([portal, "--port", str(port)], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    for line in p.stdout:
        if "listening" in line:
            return p, ms()
    raise RuntimeError("sample portal did not start")

def stop_portal(p):
    p.terminate()
    p.wait()

def click(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)

def tree(pid):
    found, todo = [], [pid]
    while todo:
        p = todo.pop()
        found.append(p)
        try:
            for t in os.listdir(f"/proc/{p}/task"):
                with open(f"/proc/{p}/task/{t}/children") as f:
                    todo += [int(c) for c in f.read().split()]
        except OSError:
            pass
    return found

def ticks(pids):
    out = {}
    for p in pids:
        try:
            with open(f"/proc/{p}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            out[p] = int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return out

def summary(name, values, unit="ms"):
    print(f"{name:34s} median {statistics.median(values):8.1f} {unit}   min {min(values):8.1f}   max {max(values):8.1f}"
          f"   ({', '.join(f'{v:.0f}' for v in values)})", flush=True)

# ---- back and renderer
back, revived = [], []
for i in range(runs):
    port = free_port()
    prog = Program(f"http://127.0.0.1:{port}")
    prog.wait("failed", "portal")
    time.sleep([2, 4.5, 7, 11][i % 4])
    prog.drain()
    server, up = start_portal(port)
    back.append(prog.wait("shown", "portal") - up)
    time.sleep(2)
    prog.drain()
    t0 = ms()
    os.kill(prog.renderer["portal"], signal.SIGKILL)
    revived.append(prog.wait("shown", "portal") - t0)
    prog.stop()
    stop_portal(server)
summary("back: server answers -> shown", back)
summary("renderer: killed -> shown", revived)

# ---- close
PAGES = {
    "plain page": b"<p>plain</p>",
    "dialog loop, dialog up": b"<p>storm</p><script>setTimeout(function(){for(;;)alert('storm')},300)</script>",
    "script spinning": b"<p>spin</p><script>setTimeout(function(){for(;;){}},300)</script>",
}
class Pages(http.server.BaseHTTPRequestHandler):
    page = b""
    def do_GET(self):
        body = Pages.page if self.path.startswith("/qqwap/") else b"<p>music</p>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Pages)
threading.Thread(target=httpd.serve_forever, daemon=True).start()
closes = {k: [] for k in PAGES}
for i in range(runs):
    for name, body in PAGES.items():
        Pages.page = body
        prog = Program(f"http://127.0.0.1:{httpd.server_address[1]}")
        prog.wait("shown", "portal")
        time.sleep(1.5)
        t0 = ms()
        click(*CLOSE)
        try:
            prog.p.wait(5)
            closes[name].append(ms() - t0)
        except subprocess.TimeoutExpired:
            closes[name].append(float("inf"))
        prog.stop()
for name, values in closes.items():
    summary(f"close: {name}", values)
httpd.shutdown()

# ---- fullscreen
GAME = (b"<body style='margin:0'><div style='width:100vw;height:100vh;background:#080' "
        b"onclick='document.documentElement.requestFullscreen()'></div><script>var n=0;"
        b"document.onfullscreenchange=function(){var on=!!document.fullscreenElement;"
        b"requestAnimationFrame(function(){requestAnimationFrame(function(){"
        b"document.title='korvane-fs-'+(on?'on':'off')+'-'+(++n);});});};</script>")
Pages.page = GAME
httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Pages)
threading.Thread(target=httpd.serve_forever, daemon=True).start()
PORTAL = (603 + 120, 97 + 200)
entering, leaving = [], []
prog = Program(f"http://127.0.0.1:{httpd.server_address[1]}")
prog.wait("shown", "portal")
time.sleep(1.5)
for i in range(runs * 3):
    subprocess.run(["xdotool", "mousemove", str(PORTAL[0] + i % 2), str(PORTAL[1])], check=True)
    time.sleep(0.3)
    prog.drain()
    t0 = ms()
    subprocess.run(["xdotool", "click", "1"], check=True)
    entering.append(prog.wait("fullscreen", "on", 10) - t0)
    time.sleep(1.2)  # past the pause in which a new request is refused
    t0 = ms()
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    leaving.append(prog.wait("fullscreen", "off", 10) - t0)
    time.sleep(1.2)
prog.stop()
httpd.shutdown()
summary("fullscreen: click -> frame", entering)
summary("fullscreen: Esc -> frame", leaving)

# ---- idle
port = free_port()
server, _ = start_portal(port)
idle = {"music never on": [], "music on, then off": []}
for i in range(runs):
    for mode in idle:
        prog = Program(f"http://127.0.0.1:{port}")
        prog.wait("shown", "portal")
        if mode != "music never on":
            time.sleep(1)
            click(*MUSIC)
            prog.wait("shown", "music")
            time.sleep(3)
            click(*MUSIC)
            time.sleep(3)
        else:
            time.sleep(7)
        before = ticks(tree(prog.p.pid))
        time.sleep(20)
        after = ticks(tree(prog.p.pid))
        used = sum(v - before.get(p, 0) for p, v in after.items())
        idle[mode].append(100.0 * used / HZ / 20)
        prog.stop()
stop_portal(server)
for name, values in idle.items():
    summary(f"idle CPU over 20 s: {name}", values, "%")
ratio = statistics.median(idle["music on, then off"]) / max(statistics.median(idle["music never on"]), 1e-9)
print(f"idle ratio on-then-off / never on (medians): {ratio:.2f}")
PY
