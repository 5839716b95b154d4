#!/usr/bin/env bash
# Takes screenshots of every stage (1..9) at regular moments of its clock, from the lead-in to
# past the boss, so that the scenery can be looked over: seams, loops, stale rows, missing tiles.
#
#   tools/stage_screens.sh [--build DIR] [--out DIR] [--step FRAMES] [--stages "1 2 3"]
#
# Each picture is a separate headless run of the game (invincible, no input) stopped after the
# right number of passes; the stage clock starts at -100, so pass P shows time P - 100. Files are
# named stageN_pPPPPP.png after the pass count. With ImageMagick's montage installed, stageN.png puts a stage's
# pictures side by side.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build"
out="$here/build/stage_screens"
step=300
stages="1 2 3 4 5 6 7 8 9"
while [[ $# -gt 0 ]]; do
  case "$1" in
    --build) build="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --step) step="$2"; shift 2 ;;
    --stages) stages="$2"; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--out DIR] [--step FRAMES] [--stages LIST]" >&2; exit 2 ;;
  esac
done

game="$build/qelvane"
[[ -x "$game" ]] || { echo "no game at $game: build it first" >&2; exit 1; }
mkdir -p "$out"

# The last clock value worth a look (a little past each boss call) and moments where the
# scroll rules change: loop switches, bursts of speed, the warp's exit, the fortress.
last_time() {
  case "$1" in
    1|2|3|4) echo 4500 ;;
    5) echo 3400 ;;
    6) echo 3000 ;;
    7) echo 4400 ;;
    8) echo 900 ;;
    9) echo 2000 ;;
  esac
}
extra_times() {
  case "$1" in
    1) echo "200 3680 3990 4010" ;;
    3) echo "-99 4150" ;;
    4) echo "560 870 2250 2260 2340 3010 3090 3210" ;;
    5) echo "10 60 2800 2810 2860 2900 2990" ;;
    6) echo "95 1010 1310 2010 2290 2360 2510 2810 2900" ;;
    7) echo "310 820 1560 1620 2360 2420 3910 4020 4200 4300" ;;
    8) echo "-99 10" ;;
    *) echo "" ;;
  esac
}

jobs_file="$(mktemp)"
trap 'rm -f "$jobs_file"' EXIT
for s in $stages; do
  times="$(seq -99 "$step" "$(last_time "$s")") $(extra_times "$s")"
  for t in $(printf '%s\n' $times | sort -n | uniq); do
    printf '%s %s\n' "$s" "$t" >>"$jobs_file"
  done
done

shoot() {
  local s="$1" t="$2"
  local name
  name="$(printf 'stage%s_p%05d.png' "$s" "$((t + 100))")"
  local try
  for try in 1 2 3; do  # a game being rebuilt meanwhile cannot be started for a moment
    "$game" --headless --invincible --stage "$s" --passes "$((t + 100))" --screenshot "$out/$name" >/dev/null 2>&1 && return
    sleep 5
  done
  echo "stage $s at time $t: the game failed" >&2
}
export -f shoot
export game out
xargs -P "$(nproc)" -L 1 bash -c 'shoot "$0" "$1"' <"$jobs_file"

if command -v montage >/dev/null; then
  for s in $stages; do
    montage "$out"/stage"${s}"_p*.png -tile 8x -geometry 240x240+2+2 -background '#202020' "$out/stage$s.png" 2>/dev/null || true
  done
fi
echo "screenshots in $out"
