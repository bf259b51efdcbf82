#!/bin/sh
# Plays the rotor loop of the data set with play-wave, looping for 3 s, into SDL's disk
# audio driver, and finds 3 s of sound with no step at a loop seam larger than the largest
# step inside the loop.
#   play-loop-test.sh PLAY_WAVE LOOP_FILE
set -eu
play_wave=$1
loop_file=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=out.raw "$play_wave" --loop --seconds 3 "$loop_file" 2>/dev/null
# The data set's files are mono 16-bit at 22050 Hz with a 44-byte header; the device plays
# 16-bit stereo frames at the same rate.
loop_frames=$(( ($(stat -c %s "$loop_file") - 44) / 2 ))
od -An -v -td2 -w4 out.raw | awk -v loop="$loop_frames" '
  { left[n++] = $1 }
  END {
    first = -1; last = -1
    for (i = 0; i < n; i++) if (left[i] != 0) { if (first < 0) first = i; last = i }
    frames = first < 0 ? 0 : last - first + 1
    inside = 0; seam = 0
    for (i = first + 1; i <= last; i++) {
      step = left[i] - left[i - 1]; if (step < 0) step = -step
      if ((i - first) % loop == 0) { if (step > seam) seam = step } else if (step > inside) inside = step
    }
    printf "%d frames of sound, %d loops; largest step at a seam %d, inside %d\n", frames, frames / loop, seam, inside
    if (frames < 3 * 20000 || frames > 3 * 23000 || seam > inside) exit 1
  }'
