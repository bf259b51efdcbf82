#!/bin/sh
# Plays a 1 s sawtooth with play-wave, in memory and streamed, into SDL's disk audio
# driver, and finds about 1 s of sound at the file's level in what the device played.
#   play-wave-test.sh WAVE_WRITE PLAY_WAVE
set -eu
wave_write=$1
play_wave=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
"$wave_write" tone.wav 1 16 22050 22050

for mode in memory stream; do
  switch=
  [ "$mode" = stream ] && switch=--stream
  rm -f out.raw
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=out.raw "$play_wave" $switch --seconds 5 tone.wav 2>/dev/null
  # 16-bit stereo frames at 22050 Hz; a full-scale sawtooth has an RMS level of 32768 / sqrt(3).
  od -An -v -td2 -w4 out.raw | awk -v mode="$mode" '
    { if ($1 != 0 || $2 != 0) { frames++; sum += $1 * $1 } }
    END {
      rms = frames ? sqrt(sum / frames) : 0
      printf "%s: %d frames of sound, RMS level %.0f\n", mode, frames, rms
      if (frames < 20000 || frames > 23000 || rms < 17000 || rms > 21000) exit 1
    }'
done
