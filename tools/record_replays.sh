#!/usr/bin/env bash
# Records the kept replays again with the autopilot: the story game, the extra mode and the boss
# mode that the test suite verifies, and the title's attract demo.
#
# Run it only after a change that is meant to change how the game plays (its rules, the maps,
# the waves, the autopilot itself); a change that should not alter the game must leave the kept
# replays verifying as they are.
#
# usage: tools/record_replays.sh [BUILD_DIR]     (default: build; build first with ./test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bin="$build/qelvane"
[ -x "$bin" ] || { echo "record_replays: no $bin; build first" >&2; exit 1; }

# A copy of the data folder, so that no save of the build's folder takes part.
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
cp -r "$build/d/." "$data/"
rm -f "$data/data.dat"

record() {
  local out="$1"
  shift
  "$bin" --headless --data "$data" --autopilot "$@" --record "$out.new"
  mv "$out.new" "$out"
  "$bin" --verify-replay "$out" --data "$data"
}

# From the title: the prologue, the first stage, its shop, the mission select and the first mission.
record tests/replays/story.qrp --seed 1 --passes 14000
record tests/replays/extra.qrp --seed 2 --stage 7 --passes 6000
record tests/replays/boss.qrp --seed 3 --stage 8 --passes 6000
# About a minute of the first stage.
record assets/replays/demo.qrp --seed 4 --stage 9 --passes 1900
