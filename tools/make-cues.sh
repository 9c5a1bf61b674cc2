#!/usr/bin/env bash
# Makes the two sample cue sounds with sox: short 16-bit mono WAVs, the same
# bytes on every run (no dither, repeatable mode).
#   tools/make-cues.sh            writes data/sounds/pinpon.wav and endpinpon.wav
set -euo pipefail
cd "$(dirname "$0")/.."
out=data/sounds
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

format=(-r 11025 -b 16 -e signed-integer -c 1)

# A chime tone: a fundamental with a quieter octave, struck and dying away.
tone() { # name frequency seconds fade-out
    sox -R -D -r 11025 -c 2 -n "${format[@]}" "$scratch/$1.wav" \
        synth "$3" sine "$2" sine "$(($2 * 2))" remix 1v0.8,2v0.2 fade q 0.004 "$3" "$4" gain -n -3
}

tone mi 1319 0.32 0.29
tone do 1047 0.60 0.54
tone sol-short 1568 0.18 0.16
tone mi-short 1319 0.18 0.16
tone do-short 1047 0.24 0.21
tone low 784 0.60 0.54

# "pin-pon": high then low, acknowledging reset and help.
sox -R -D "$scratch/mi.wav" "$scratch/do.wav" "$out/pinpon.wav"
# The exit cue falls through three quick tones and closes on a low one.
sox -R -D "$scratch/sol-short.wav" "$scratch/mi-short.wav" "$scratch/do-short.wav" "$scratch/low.wav" \
    "$out/endpinpon.wav"
