#!/usr/bin/env bash
# Renders every music piece through the game's own audio host (FluidSynth, the soundfont and the
# settings the game uses), prints each one's length, silences, loudness, peak and instruments,
# and writes for review a WAV file and a spectrogram (sox) of each into OUT_DIR.
#
# Usage: tools/music_check.sh [BUILD_DIR] [OUT_DIR]
#   BUILD_DIR  the build folder (default: build beside this folder)
#   OUT_DIR    where b0N.wav and b0N.png go (default: BUILD_DIR/music-check)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$build/music-check}"
check="$build/music_check"
[ -x "$check" ] || { echo "no $check: build the music_check and music targets first" >&2; exit 1; }
mkdir -p "$out"
"$check" --data "$build/d" --wav "$out"
for wav in "$out"/b0[1-9].wav; do
  name="$(basename "$wav" .wav)"
  sox "$wav" -n remix - rate 22050 spectrogram -x 1200 -y 400 -z 90 -t "$name" -o "$out/$name.png"
done
echo "renders and spectrograms in $out"
