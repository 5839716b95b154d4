#!/usr/bin/env bash
# Plays the test MIDI and every sound effect through the game's audio host on SDL's disk audio
# driver, which writes what a sound card would play (44100 Hz, S16LE, stereo), and measures each
# capture with sox: what a player would hear, without a sound card.
#
# Usage: tools/make_sounds_check.sh [BUILD_DIR] [OUT_DIR]
#   BUILD_DIR  the build folder (default: build beside this folder)
#   OUT_DIR    where the captures are kept as WAV files for listening (default: a temporary one)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$(mktemp -d)}"
mkdir -p "$out"
capture="$build/audio_capture"
[ -x "$capture" ] || { echo "no $capture: build the audio_capture target first" >&2; exit 1; }

# capture NAME SECONDS ARGS...: plays, keeps NAME.wav, prints sox's figures.
capture() {
  local name="$1" seconds="$2"
  shift 2
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/$name.raw" \
    "$capture" --seconds "$seconds" "$@" >"$out/$name.log" 2>/dev/null
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$out/$name.raw" "$out/$name.wav"
  rm -f "$out/$name.raw"
  sox "$out/$name.wav" -n stat 2>&1 |
    awk -v n="$name" '/^Length/{len=$3} /^Maximum amplitude/{max=$3} /^RMS +amplitude/{rms=$3}
      END{printf "%-10s %6.2f s  peak %7.1f dBFS  rms %7.1f dBFS\n", n, len,
          20*log(max+1e-9)/log(10), 20*log(rms+1e-9)/log(10)}'
}

echo "captures in $out"
capture test-mid 2.5 --music 0 "$build/test-assets/test.mid"
grep -E "soundfont|first|stopped" "$out/test-mid.log" | sed 's/^/    /'
for wav in "$build"/d/s[0-9][0-9].wav; do
  name="$(basename "$wav" .wav)"
  seconds="$(sox --i -D "$wav")"
  capture "$name" "$(awk -v s="$seconds" 'BEGIN{print s + 0.4}')" --sound 0 "$wav"
done
# The siren of the warning, cut off after 0.3 s by a hit tick: the last half second is silent.
capture replaced 1.2 --sound 0 "$build/d/s17.wav" --sound 300 "$build/d/s01.wav"
sox "$out/replaced.wav" -n trim -0.5 stat 2>&1 | awk '/^Maximum amplitude/{
  printf "replaced   the last 0.5 s: peak %s (0 is silence)\n", $3}'
