#!/bin/sh
# Plays a generated piece of music, an announcement and a jingle with play-wave, streamed as
# the radio streams them, into SDL's disk audio driver, and finds each played to its full
# length: the sound in what the device played lasts as long as the sound in the file.
#   play-radio-items-test.sh DATA_SET PLAY_WAVE
set -eu
data=$1
play_wave=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
stations="$data/sound/radio/stations"

# Frames from the first sound to the last, of 16-bit samples with `channels` per frame.
sound_span() {
  od -An -v -td2 -w"$2" "$1" | awk '{ if ($1 != 0) { if (!first) first = NR; last = NR } }
                                    END { print (first ? last - first + 1 : 0) }'
}

status=0
index=0
for item in "$stations/rockcity/music/neonavenue.wav" "$stations/harbourjazz/dj/English/tide.wav" \
            "$stations/rockcity/jingle/English/name.wav"; do
  index=$((index + 1))
  out="$folder/out$index.raw"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out" "$play_wave" --stream --seconds 45 "$item" 2>/dev/null &
  eval "pid$index=$!"
done
for index in 1 2 3; do
  eval "wait \$pid$index"
done

index=0
for item in "$stations/rockcity/music/neonavenue.wav" "$stations/harbourjazz/dj/English/tide.wav" \
            "$stations/rockcity/jingle/English/name.wav"; do
  index=$((index + 1))
  tail -c +45 "$item" >"$folder/samples.raw"
  wanted=$(sound_span "$folder/samples.raw" 2)
  played=$(sound_span "$folder/out$index.raw" 4)
  echo "$(basename "$item"): $wanted frames of sound in the file, $played played"
  # Within a hundredth of a second.
  if [ "$wanted" -lt 22050 ] || [ $((played - wanted)) -gt 220 ] || [ $((wanted - played)) -gt 220 ]; then
    status=1
  fi
done
exit $status
