#!/usr/bin/env python3
"""What playing in the window costs: processor share, pacing, start-up and memory.

Runs the game in a window on a private X server (Xvfb) with the autopilot flying a stage and
the music playing (SDL's disk audio driver, which plays in real time), and prints:
  - the share of one core the whole process used from the 5th to the 25th second;
  - the intervals between the pictures shown in that time (mean, p50, p99, max), from the
    game's own --pacing-log;
  - the time from starting the program to its first picture;
  - the peak resident memory.

Usage: tools/window_cost.py [--qelvane build/qelvane] [--stage 1] [--runs 1] [--idle]
                            [--env NAME=VALUE ...] [--no-pacing-log] [-- extra game arguments]
Needs Xvfb (scripts/install-deps installs it).
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

FROM_S, TO_S = 5.0, 25.0


def free_display():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise SystemExit("window_cost: no free X display number")


def start_xvfb():
    if not shutil.which("Xvfb"):
        raise SystemExit("window_cost: Xvfb is missing (scripts/install-deps installs it)")
    n = free_display()
    xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return xvfb, f":{n}"
        time.sleep(0.05)
    xvfb.kill()
    raise SystemExit("window_cost: Xvfb did not start")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime, fields 14 and 15 of the whole line (all threads of the process)
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def thread_seconds(pid):
    """Processor seconds of each thread, by its name (threads of one name are added up)."""
    by_name = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/stat") as f:
                line = f.read()
        except OSError:
            continue
        name = line[line.index("(") + 1:line.rindex(")")]
        fields = line.rsplit(")", 1)[1].split()
        by_name[name] = by_name.get(name, 0) + (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    return by_name


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def percentile(values, p):
    ordered = sorted(values)
    k = min(len(ordered) - 1, max(0, round(p / 100 * (len(ordered) - 1))))
    return ordered[k]


def one_run(args, display, extra):
    with tempfile.TemporaryDirectory() as tmp:
        log = os.path.join(tmp, "pacing.log")
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE="/dev/null",
                   XDG_DATA_HOME=tmp, XDG_CONFIG_HOME=tmp)
        for item in args.env:
            name, _, value = item.partition("=")
            env[name] = value
        cmd = [args.qelvane, "--window", "--no-config", "--stage", str(args.stage), "--invincible"]
        cmd += ([] if args.idle else ["--autopilot"])
        cmd += (["--pacing-log", log] if args.pacing else []) + extra
        started_us = time.monotonic_ns() // 1000
        game = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        t0 = time.monotonic()
        time.sleep(FROM_S)
        cpu_from, threads_from = cpu_seconds(game.pid), thread_seconds(game.pid)
        time.sleep(TO_S - (time.monotonic() - t0))
        cpu_to, threads_to = cpu_seconds(game.pid), thread_seconds(game.pid)
        wall = time.monotonic() - t0 - FROM_S
        peak = peak_rss_mb(game.pid)
        game.send_signal(signal.SIGTERM)
        try:
            game.wait(timeout=10)
        except subprocess.TimeoutExpired:
            game.kill()
            game.wait()
        shown = []
        if args.pacing:
            with open(log) as f:
                shown = [int(line) for line in f if line.strip()]
            if not shown:
                raise SystemExit("window_cost: the game showed no picture")
    window = [t for t in shown if started_us + FROM_S * 1e6 <= t <= started_us + TO_S * 1e6]
    gaps = [(b - a) / 1000 for a, b in zip(window, window[1:])]
    return {
        "cpu": 100 * (cpu_to - cpu_from) / wall,
        "threads": {name: 100 * (t - threads_from.get(name, 0)) / wall for name, t in threads_to.items()},
        "first_ms": (shown[0] - started_us) / 1000 if shown else float("nan"),
        "peak_mb": peak,
        "gaps": gaps,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--qelvane", default="build/qelvane")
    parser.add_argument("--stage", type=int, default=1)
    parser.add_argument("--runs", type=int, default=1)
    parser.add_argument("--env", action="append", default=[], help="NAME=VALUE for the game")
    parser.add_argument("--idle", action="store_true", help="no autopilot: the ship stays where it starts")
    parser.add_argument("--no-pacing-log", dest="pacing", action="store_false",
                        help="for a build without --pacing-log: processor share and memory only")
    args, extra = parser.parse_known_args()
    if extra and extra[0] == "--":
        extra = extra[1:]
    xvfb, display = start_xvfb()
    try:
        for run in range(args.runs):
            r = one_run(args, display, extra)
            gaps = r["gaps"]
            print(f"stage {args.stage} run {run + 1}: cpu {r['cpu']:.1f}% of one core "
                  f"({FROM_S:.0f}-{TO_S:.0f} s), first picture {r['first_ms']:.0f} ms, "
                  f"peak RSS {r['peak_mb']:.0f} MB")
            busy = sorted(r["threads"].items(), key=lambda kv: -kv[1])
            print("  by thread: " + ", ".join(f"{name} {share:.1f}%" for name, share in busy if share >= 0.05))
            if gaps:
                print(f"  {len(gaps)} intervals between pictures: mean {statistics.mean(gaps):.2f} ms, "
                      f"p50 {percentile(gaps, 50):.2f}, p99 {percentile(gaps, 99):.2f}, "
                      f"max {max(gaps):.2f}")
            sys.stdout.flush()
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
