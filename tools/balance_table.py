#!/usr/bin/env python3
"""The balance table: the autopilot flies every stage and the figures are put side by side.

Usage:
  tools/balance_table.py [BINARY] [options]

  BINARY                the game (default build/qelvane)
  --stages 9,1,2,...    stages to fly (default: the story 9 1 2 3 4 5 6, then 7 and 8)
  --order 1,2,3,4       the order of the four outer missions in the story (default 1,2,3,4: the
                        space station chosen first); it sets each stage's mission position
  --difficulty normal,hard   (default both)
  --skills 0,1,2,3      autopilot skills (default all four)
  --seeds 1,2,3 | --seed-count N   seeds to fly (default 1,2,3)
  --jobs N              runs at the same time (default 2)
  --passes N            cap on the passes of one run (default: per stage, see CAPS)
  --story               fly whole stories instead: each run starts at stage 9 and goes on to the
                        game over or the ending, the pilot choosing the missions and keeping what
                        it bought; a row for each stage at each place in the story it was met
  --json FILE           also write every run's figures as JSON

Every run is `BINARY --headless --autopilot --autopilot-skill K --stage S --mission M
--difficulty D --seed N --passes P --report FILE` (plus the option that ends a run when its
stage ends, when the binary has it); the first stage entry of each report is counted. With
--story a run is `BINARY --headless --autopilot --autopilot-skill K --stage 9 --difficulty D
--seed N --passes P --report FILE --stop-at-game-end` and every entry of its report is counted.

Columns: clear rate; ships lost per run; shield damage per minute of play (a pass is about
31 ms); bombs per run; for each boss in the order met, the time from the start of the attempt
to its arrival and from its arrival to its destruction (means over the runs that saw it; the
count of runs that destroyed it when not all did); peak bullets on screen (mean / max); the
longest stretch with the bullet table full ("full") and the longest with no enemy on the field
outside the lulls before a boss and after the last ("empty"), in seconds (mean / longest of the
runs); the mean passes of a cleared run.

Examples:
  tools/balance_table.py build/qelvane --difficulty normal --skills 3
  tools/balance_table.py --stages 9 --skills 0,3 --seed-count 10
  tools/balance_table.py --story --skills 2,3 --seed-count 5
"""

import argparse
import json
import os
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

PASS_SECONDS = 0.031
STORY = [9, 1, 2, 3, 4, 5, 6]
DEFAULT_STAGES = STORY + [7, 8]
# Passes a run may take at most: room for a stage played three times over.
CAPS = {9: 24000, 1: 36000, 2: 36000, 3: 36000, 4: 36000, 5: 50000, 6: 60000, 7: 80000, 8: 60000}
STOP_OPTION = "--stop-at-stage-end"
STORY_STOP_OPTION = "--stop-at-game-end"
STORY_CAP = 250000


def numbers(text):
    return [int(x) for x in text.split(",") if x.strip()]


def missions_for(order):
    """Stage number -> its position in the story: 9 first, the four outer missions in the
    chosen order, then the warp (5) and the final mission (6)."""
    pos = {9: 0}
    for i, stage in enumerate(order):
        pos[stage] = i + 1
    pos[5], pos[6] = 5, 6
    return pos


def supports(binary, option):
    try:
        out = subprocess.run([binary, "--help"], capture_output=True, text=True, timeout=30)
    except OSError as e:
        sys.exit(f"balance_table: cannot run {binary}: {e}")
    return option in out.stdout + out.stderr


def run_pilot(binary, difficulty, skill, seed, passes, options):
    """One autopilot run with a report; returns the report's stage entries, or None and why not."""
    with tempfile.TemporaryDirectory(prefix="qelvane-balance-") as tmp:
        report = os.path.join(tmp, "report.json")
        cmd = [binary, "--headless", "--autopilot", "--autopilot-skill", str(skill), "--difficulty", difficulty,
               "--seed", str(seed), "--passes", str(passes), "--report", report] + options
        done = subprocess.run(cmd, capture_output=True, text=True)
        if done.returncode != 0 or not os.path.exists(report):
            return None, f"exit {done.returncode}: {done.stderr.strip()[:200]}"
        with open(report) as f:
            return json.load(f).get("stages", []), None


def fly(job):
    binary, stage, mission, difficulty, skill, seed, passes, stop = job
    options = ["--stage", str(stage), "--mission", str(mission)] + ([STOP_OPTION] if stop else [])
    stages, error = run_pilot(binary, difficulty, skill, seed, passes, options)
    tag = {"skill": skill, "seed": seed, "difficulty": difficulty}
    if error:
        return [dict(tag, stage=stage, mission=mission, error=error)]
    entries = [e for e in stages if e.get("stage") == stage]
    entry = entries[0] if entries else {"stage": stage, "cleared": False, "passes": 0, "bosses": []}
    return [dict(entry, **tag)]


def fly_story(job):
    binary, difficulty, skill, seed, passes = job
    stages, error = run_pilot(binary, difficulty, skill, seed, passes, ["--stage", "9", STORY_STOP_OPTION])
    tag = {"skill": skill, "seed": seed, "difficulty": difficulty}
    if error:
        return [dict(tag, stage=9, mission=0, error=error)]
    return [dict(e, **tag) for e in stages]


def mean(values):
    return sum(values) / len(values) if values else 0.0


def boss_column(runs):
    """'type arrival+kill' for each boss type, in the order they come, from each run's last
    attempt (the one that got furthest)."""
    by_type = {}
    for r in runs:
        bosses = r.get("bosses", [])
        last = max((b["attempt"] for b in bosses), default=1)
        for b in bosses:
            if b["attempt"] == last:
                by_type.setdefault(b["type"], []).append(b)
    parts = []
    for boss_type, seen in sorted(by_type.items(), key=lambda kv: mean([b["appear"] for b in kv[1]])):
        killed = [b["killedAfter"] for b in seen if b["killedAfter"] >= 0]
        text = f"{boss_type} {mean([b['appear'] for b in seen]) * PASS_SECONDS:.0f}s"
        if killed:
            text += f"+{mean(killed) * PASS_SECONDS:.0f}s"
        elif any(b.get("left") for b in seen):
            text += " left"
        else:
            text += "+?"
        if killed and len(killed) != len(seen):
            text += f"({len(killed)}/{len(seen)})"
        parts.append(text)
    return ", ".join(parts) if parts else "-"


def seconds_column(passes):
    """Mean/longest of each run's longest stretch, in seconds."""
    if not passes:
        return "-"
    return f"{mean(passes) * PASS_SECONDS:.0f}/{max(passes) * PASS_SECONDS:.0f}s"


def row(runs):
    good = [r for r in runs if "error" not in r]
    minutes = sum(r.get("passes", 0) for r in good) * PASS_SECONDS / 60
    cleared = [r for r in good if r.get("cleared")]
    peaks = [r.get("peakBullets", 0) for r in good]
    return {
        "runs": len(good),
        "errors": len(runs) - len(good),
        "clear": f"{100 * len(cleared) / len(good):.0f}%" if good else "-",
        "lost": f"{mean([r.get('shipsLost', 0) for r in good]):.2f}",
        "dmg": f"{sum(r.get('shieldDamage', 0) for r in good) / minutes:.1f}" if minutes > 0 else "-",
        "bombs": f"{mean([r.get('bombsUsed', 0) for r in good]):.1f}",
        "bosses": boss_column(good),
        "peak": f"{mean(peaks):.0f}/{max(peaks)}" if peaks else "-",
        "empty": seconds_column([r.get("longestEmpty", 0) for r in good]),
        "full": seconds_column([r.get("longestFullBullets", 0) for r in good]),
        "passes": f"{mean([r['passes'] for r in cleared]):.0f}" if cleared else "-",
    }


def main():
    ap = argparse.ArgumentParser(description="Fly the stages with the autopilot and tabulate the figures.",
                                 formatter_class=argparse.RawDescriptionHelpFormatter, epilog=__doc__)
    ap.add_argument("binary", nargs="?", default="build/qelvane")
    ap.add_argument("--stages", type=numbers, default=DEFAULT_STAGES)
    ap.add_argument("--order", type=numbers, default=[1, 2, 3, 4])
    ap.add_argument("--difficulty", default="normal,hard")
    ap.add_argument("--skills", type=numbers, default=[0, 1, 2, 3])
    ap.add_argument("--seeds", type=numbers, default=[1, 2, 3])
    ap.add_argument("--seed-count", type=int)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--passes", type=int)
    ap.add_argument("--story", action="store_true")
    ap.add_argument("--json")
    args = ap.parse_args()

    if sorted(args.order) != [1, 2, 3, 4]:
        sys.exit("balance_table: --order must name the stages 1, 2, 3 and 4 once each")
    if not os.path.exists(args.binary):
        sys.exit(f"balance_table: no game at {args.binary} (build it, or name it)")
    seeds = list(range(1, args.seed_count + 1)) if args.seed_count else args.seeds
    difficulties = [d.strip() for d in args.difficulty.split(",") if d.strip()]
    for d in difficulties:
        if d not in ("normal", "hard"):
            sys.exit(f"balance_table: unknown difficulty {d}")
    mission = missions_for(args.order)
    if args.story:
        if not supports(args.binary, STORY_STOP_OPTION):
            sys.exit(f"balance_table: the game has no {STORY_STOP_OPTION}, which --story needs")
        jobs = [(args.binary, d, skill, seed, args.passes or STORY_CAP)
                for d in difficulties for skill in args.skills for seed in seeds]
        flyer = fly_story
    else:
        stop = supports(args.binary, STOP_OPTION)
        if not stop:
            print(f"(the game has no {STOP_OPTION}: every run goes on to its pass cap)", file=sys.stderr,
                  flush=True)
        jobs = []
        for d in difficulties:
            for skill in args.skills:
                for stage in args.stages:
                    for seed in seeds:
                        passes = args.passes or CAPS.get(stage, 40000)
                        jobs.append((args.binary, stage, mission.get(stage, 0), d, skill, seed, passes, stop))
        flyer = fly
    with ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = [entry for entries in pool.map(flyer, jobs) for entry in entries]
    if args.json:
        with open(args.json, "w") as f:
            json.dump(results, f, indent=1)
    head = ["diff", "skill", "stage", "msn", "runs", "clear", "lost", "dmg/min", "bombs", "peak", "full", "empty",
            "passes", "bosses"]
    lines = []
    for d in difficulties:
        for skill in args.skills:
            if args.story:
                # Each stage at each place in the story it was met, in the story's order.
                places = sorted({(r.get("mission", 0), r["stage"]) for r in results
                                 if r["difficulty"] == d and r["skill"] == skill},
                                key=lambda ms: (ms[0], STORY.index(ms[1]) if ms[1] in STORY else 99))
            else:
                places = [(mission.get(stage, 0), stage) for stage in args.stages]
            for msn, stage in places:
                runs = [r for r in results if r["difficulty"] == d and r["skill"] == skill and r["stage"] == stage
                        and (not args.story or r.get("mission", 0) == msn)]
                f = row(runs)
                runs_text = str(f["runs"]) + (f" ({f['errors']} failed)" if f["errors"] else "")
                lines.append([d, str(skill), str(stage), str(msn), runs_text, f["clear"], f["lost"],
                              f["dmg"], f["bombs"], f["peak"], f["full"], f["empty"], f["passes"], f["bosses"]])
    widths = [max(len(head[i]), *(len(l[i]) for l in lines)) for i in range(len(head) - 1)]
    def show(cells):
        return "  ".join(c.ljust(w) for c, w in zip(cells, widths)) + "  " + cells[-1]
    print(show(head))
    for l in lines:
        print(show(l))
    errors = [r for r in results if "error" in r]
    for r in errors[:5]:
        print(f"failed: stage {r['stage']} {r['difficulty']} skill {r['skill']} seed {r['seed']}: {r['error']}",
              file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
