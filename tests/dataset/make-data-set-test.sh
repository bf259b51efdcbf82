#!/bin/sh
# The data-set generator: a second run with nothing changed rewrites no file, a changed
# source rewrites its file, and a bad source fails naming the file and its source.
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
echo "make-data-set: 4 checks passed"
