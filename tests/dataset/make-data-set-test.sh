#!/bin/sh
# The data-set generator: a second run with nothing changed rewrites no file, a changed
# source rewrites its file, and a bad source fails naming the file and its source, as does
# a sound file too large to be kept in memory.
set -eu
generator=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$generator" "$sources" "$work/data"
touch -d '2001-01-01' "$work/data/strings.tbl"
before=$(stat -c '%Y %i' "$work/data/strings.tbl")
"$generator" "$sources" "$work/data"
after=$(stat -c '%Y %i' "$work/data/strings.tbl")
[ "$before" = "$after" ] || { echo "an unchanged table was rewritten"; exit 1; }
find "$work/data" -name '*.new' | grep . && { echo "left-over files"; exit 1; }

mkdir "$work/src"
cp "$sources/strings.txt" "$work/src/strings.txt"
cp -r "$sources/sound" "$work/src/sound"
cp -r "$sources/radio" "$work/src/radio"
cp -r "$sources/people" "$work/src/people"
echo '44999 "one more"' >> "$work/src/strings.txt"
"$generator" "$work/src" "$work/data"
after=$(stat -c '%Y %i' "$work/data/strings.tbl")
[ "$before" != "$after" ] || { echo "a changed table was not rewritten"; exit 1; }

printf '1 "snow \342\230\203"\n' > "$work/src/strings.txt"
if "$generator" "$work/src" "$work/data" 2> "$work/error"; then
  echo "a character outside Windows-1252 was accepted"; exit 1
fi
grep -q "strings.tbl (from $work/src/strings.txt): line 1: a character Windows-1252 does not have" "$work/error" || {
  cat "$work/error"; exit 1; }
[ ! -e "$work/data/strings.tbl.new" ] || { echo "left a temporary file"; exit 1; }
[ -s "$work/data/strings.tbl" ] || { echo "the old table was lost"; exit 1; }
# A sound file that would be streamed from disk is refused, naming the file and its source.
cp "$sources/strings.txt" "$work/src/strings.txt"
long=$(printf 'Help me, please, somebody, anybody, come and get me out of here right now. %.0s' 1 2 3 4 5 6)
sed "s/^HELP1.WAV .*/HELP1.WAV en-us 50 120 plain \"$long\"/" "$sources/sound/speech.txt" > "$work/src/sound/speech.txt"
if "$generator" "$work/src" "$work/data" 2> "$work/error"; then
  echo "a sound file of 200000 bytes or more was accepted"; exit 1
fi
grep -q "sound/HELP1.WAV (from $work/src/sound/speech.txt): [0-9]* bytes: a sound file must stay under 200000 bytes" \
  "$work/error" || { cat "$work/error"; exit 1; }

# A note list with an unknown keyword is refused, naming the line.
cp "$sources/sound/speech.txt" "$work/src/sound/speech.txt"
echo 'beat 4' >> "$work/src/radio/rockcity/nightdrive.notes"
if "$generator" "$work/src" "$work/data" 2> "$work/error"; then
  echo "a bad note list was accepted"; exit 1
fi
grep -q "music/nightdrive.wav (from $work/src/radio/rockcity/nightdrive.notes): line [0-9]*: unknown keyword \"beat\"" \
  "$work/error" || { cat "$work/error"; exit 1; }
echo "make-data-set: 6 checks passed"
