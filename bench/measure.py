"""Runs Pellomi.exe and the reference program alternately on one X screen and Wine prefix and
reports medians with paired ratios (widget / reference).

Each run goes through xmapwait, which starts `wine PROGRAM`, waits for the program's window to be
mapped and reports wall time, CPU time, resident memory and (on the idle runs) idle CPU; the run
ends with WM_CLOSE posted by close_window.exe (one process serving the whole benchmark) and lasts
until the program's process has gone.
Called by bench/run, which provides the screen and the prefix.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

PROGRAMS = ("widget", "reference")
# (key, label, target ratio or None)
METRICS = [
    ("wall_ms", "start-up wall time (ms)", 1.10),
    ("cpu_ms", "start-up CPU, process (ms)", 1.10),
    ("stat_cpu_ms", "start-up CPU, /proc stat (ms)", None),
    ("server_ms", "start-up CPU, wineserver (ms)", None),
    ("rss_kb", "VmRSS 1 s after map (KiB)", 1.15),
    ("idle_cpu_ms", "idle CPU (ms per idle period)", None),
]


def wineserver_pid(prefix):
    """The Wine server of our prefix (the persistent one bench/run started)."""
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                argv0 = f.read().split(b"\0")[0]
            if not argv0.endswith((b"wineserver", b"wineserver64")):
                continue
            with open(f"/proc/{entry}/environ", "rb") as f:
                env = f.read().split(b"\0")
        except OSError:
            continue
        if f"WINEPREFIX={prefix}".encode() in env:
            return int(entry)
    return 0


def machine_busy():
    """(busy, total) jiffies of all CPUs from /proc/stat."""
    with open("/proc/stat") as f:
        fields = [int(x) for x in f.readline().split()[1:]]
    idle = fields[3] + fields[4]
    return sum(fields) - idle, sum(fields)


def parse(line):
    figures = {}
    for word in line.split():
        key, _, value = word.partition("=")
        figures[key] = float(value)
    return figures


class Closer:
    """close_window.exe serving close requests for the whole benchmark. As a desktop client it
    also keeps Wine's desktop process alive, so that no run pays for restarting it."""

    def __init__(self, path):
        self._process = subprocess.Popen(["wine", path], stdin=subprocess.PIPE,
                                         stdout=subprocess.PIPE, text=True, encoding="utf-8")
        if self._process.stdout.readline().strip() != "ready":
            raise SystemExit("bench: close_window.exe did not start")

    def ask(self, title):
        self._process.stdin.write(title + "\n")
        self._process.stdin.flush()
        return self._process.stdout.readline().strip()

    def end(self):
        self._process.stdin.close()
        self._process.wait(timeout=30)


def one_run(args, closer, name, exe, title, idle_seconds, server):
    command = [args.xmapwait, "-n", title, "-r", "1", "-t", "60"]
    if server:
        command += ["-s", str(server)]
    if idle_seconds:
        command += ["-i", str(idle_seconds)]
    command += ["--", "wine", exe]
    watcher = subprocess.Popen(command, stdout=subprocess.PIPE, text=True)
    try:
        line = watcher.stdout.readline().strip()
        if not line:
            watcher.wait()
            raise SystemExit(f"bench: {name} produced no figures")
        answer = closer.ask(title)
        if answer != "closed 1":
            print(f"bench: closing {name} gave {answer!r}; xmapwait will kill it",
                  file=sys.stderr)
        watcher.wait(timeout=120)
    finally:
        if watcher.poll() is None:
            watcher.kill()
            watcher.wait()
    # Lets explorer finish removing the tray icon before the next program adds one.
    time.sleep(args.settle)
    return parse(line)


def median(values):
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--widget", required=True)
    parser.add_argument("--widget-title", required=True)
    parser.add_argument("--reference", required=True)
    parser.add_argument("--reference-title", default="reference")
    parser.add_argument("--xmapwait", required=True)
    parser.add_argument("--closer", required=True)
    parser.add_argument("--runs", type=int, default=12)
    parser.add_argument("--idle-runs", type=int, default=3)
    parser.add_argument("--idle-seconds", type=float, default=60)
    parser.add_argument("--warmup", type=int, default=1)
    parser.add_argument("--settle", type=float, default=0.5)
    args = parser.parse_args()

    programs = {
        "widget": (args.widget, args.widget_title),
        "reference": (args.reference, args.reference_title),
    }
    server = wineserver_pid(os.environ.get("WINEPREFIX", ""))
    print(f"wineserver pid {server or 'not found'}; {args.runs} runs each, alternating; "
          f"idle CPU over {args.idle_seconds:.0f} s in the first {args.idle_runs} runs of each")
    closer = Closer(args.closer)
    for i in range(args.warmup):
        for name in PROGRAMS:
            exe, title = programs[name]
            one_run(args, closer, name, exe, title, 0, server)
    print(f"load average before: {os.getloadavg()[0]:.2f}")

    results = {name: [] for name in PROGRAMS}
    busy0, total0 = machine_busy()
    started = time.monotonic()
    for i in range(args.runs):
        order = PROGRAMS if i % 2 == 0 else PROGRAMS[::-1]
        idle = args.idle_seconds if i < args.idle_runs else 0
        for name in order:
            exe, title = programs[name]
            figures = one_run(args, closer, name, exe, title, idle, server)
            results[name].append(figures)
            raw = " ".join(f"{k}={v:g}" for k, v in figures.items() if k not in ("pid", "launcher"))
            print(f"run {i + 1:2d} {name:9s} {raw}", flush=True)
    busy1, total1 = machine_busy()
    closer.end()
    elapsed = time.monotonic() - started
    print(f"load average after: {os.getloadavg()[0]:.2f}; machine busy "
          f"{100.0 * (busy1 - busy0) / max(1, total1 - total0):.0f}% of all "
          f"{os.cpu_count()} cores over the {elapsed:.0f} s of measured runs")

    print()
    print(f"{'figure':34s} {'widget':>10s} {'reference':>10s} {'ratio':>7s} {'target':>7s}")
    for key, label, target in METRICS:
        pairs = [(w[key], r[key]) for w, r in zip(results["widget"], results["reference"])
                 if key in w and key in r and w[key] >= 0 and r[key] >= 0]
        if not pairs:
            continue
        w_med = median([w for w, _ in pairs])
        r_med = median([r for _, r in pairs])
        ratios = [w / r for w, r in pairs if r > 0]
        ratio = f"{median(ratios):.2f}" if ratios else "-"
        goal = f"<={target:.2f}" if target else ""
        print(f"{label:34s} {w_med:10.1f} {r_med:10.1f} {ratio:>7s} {goal:>7s}  (n={len(pairs)})")
        if key == "idle_cpu_ms":
            for name, med in (("widget", w_med), ("reference", r_med)):
                share = 100.0 * med / 1000.0 / args.idle_seconds
                print(f"{'':34s} {name}: {share:.3f}% of one core (target < 0.1%)")
    sizes = {name: os.path.getsize(programs[name][0]) for name in PROGRAMS}
    print(f"{'executable size (bytes)':34s} {sizes['widget']:10d} {sizes['reference']:10d} "
          f"{sizes['widget'] / sizes['reference']:7.2f}   Pellomi.exe < 1.5 MiB: "
          f"{'yes' if sizes['widget'] < 1.5 * 1024 * 1024 else 'NO'}")
    print()
    print("ratio: median over the run pairs of widget / reference. Process CPU is the one process "
          "that\n`wine PROGRAM` becomes (the start script, loader and preloader exec into it), all "
          "threads;\nthe Wine server's share is shown apart; explorer (desktop, tray) is not "
          "counted.")


if __name__ == "__main__":
    main()
