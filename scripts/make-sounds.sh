#!/usr/bin/env bash
# Writes the program's two sounds with sox (16-bit PCM, mono, 22.05 kHz):
#   golfswng.wav  a club swinging through: filtered noise rising and falling
#   cup.wav       a ball rattling into the cup: two short knocks and a settle
set -euo pipefail
out=$(cd "$(dirname "$0")/../assets/sounds" && pwd)
rate=22050
sox -n -r $rate -b 16 -c 1 "$out/golfswng.wav" \
    synth 0.45 pinknoise band -n 1800 1400 \
    fade q 0.30 0.45 0.12 gain -n -3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sox -n -r $rate -b 16 -c 1 "$tmp/knock1.wav" synth 0.06 sine 900 fade q 0.002 0.06 0.05
sox -n -r $rate -b 16 -c 1 "$tmp/knock2.wav" synth 0.05 sine 1150 fade q 0.002 0.05 0.04
sox -n -r $rate -b 16 -c 1 "$tmp/gap1.wav" trim 0 0.07
sox -n -r $rate -b 16 -c 1 "$tmp/gap2.wav" trim 0 0.05
sox -n -r $rate -b 16 -c 1 "$tmp/settle.wav" synth 0.25 sine 700 tremolo 28 90 fade q 0.005 0.25 0.2
sox "$tmp/knock1.wav" "$tmp/gap1.wav" "$tmp/knock2.wav" "$tmp/gap2.wav" "$tmp/settle.wav" "$out/cup.wav" gain -n -3
