#!/bin/sh
# Writes engine files with pel3d-write and reads them back with pel3d-list: a text
# fixture and a bitmap become files the engine loads, and each body or bitmap the engine
# would refuse makes pel3d-write exit 1 with a line naming the cause.
# usage: pel3d-write-test.sh PEL3D-WRITE PEL3D-LIST FIXTURE-FOLDER
set -u
write=$1
list=$2
fixtures=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_listing WHAT PATTERN: the listing in $work/listing.txt holds the line PATTERN.
expect_listing() {
  grep -q -- "$2" "$work/listing.txt" || fail "$1: no line \"$2\" in the listing"
}

# expect_refusal NAME PATTERN ARGS...: pel3d-write exits 1 and says PATTERN.
expect_refusal() {
  name=$1
  pattern=$2
  shift 2
  "$write" "$@" 2> "$work/refusal.txt"
  status=$?
  [ "$status" -eq 1 ] || fail "$name: exit status $status, not 1"
  grep -q -- "$pattern" "$work/refusal.txt" || fail "$name: \"$(cat "$work/refusal.txt")\" does not say \"$pattern\""
}

# The written files load and list as described.
head -c 768 /dev/zero > "$work/palette.bin"
head -c 12 /dev/zero > "$work/pixels.bin"
"$write" resource "$work/tent.zef" bodies TENTS "$fixtures/tent.txt" idbodies "$fixtures/tent.txt" \
  cmap GREYS "$work/palette.bin" || fail "tent.zef was not written"
"$write" bitmaps "$work/small.bmp" 4 3 "$work/pixels.bin" 2 6 "$work/pixels.bin" || fail "small.bmp was not written"
"$list" "$work/tent.zef" > "$work/listing.txt" || fail "tent.zef does not load"
expect_listing tent.zef '^  group "TENTS": 1 bodies'
expect_listing tent.zef '^  id 40: body at'
expect_listing tent.zef 'body 40: 5 vertices, 4 faces, flags 0x1, radius 2.000, position (1.000, 0.000, 1.000), BSP of 2 nodes'
expect_listing tent.zef 'face 1: type 4, colour 51, texture 0x10002, flags 0x40000002, 3 corners, normal (0.707, 0.707, 0.000)'
expect_listing tent.zef 'colour map "GREYS"'
"$list" "$work/small.bmp" > "$work/listing.txt" || fail "small.bmp does not load"
expect_listing small.bmp 'bitmap file, 2 bitmaps'
expect_listing small.bmp 'bitmap 1: 2 x 6'

# What the engine would refuse is never written.
body() {
  printf 'body 1\n' > "$work/$1.txt"
  cat >> "$work/$1.txt"
  echo "$work/$1.txt"
}
corners=$(seq -s ' ' 0 199 | sed 's/[0-9]\+/0/g')
expect_refusal "a 200-corner face" "line 3: body 1, face 0: 200 corners, at most 128" resource "$work/out.zef" \
  bodies A "$(printf 'vertex 0 0 0\nface 0 1 0 2 %s\n' "$corners" | body corners)"
expect_refusal "a face type of 200" "line 5: body 1, face 0: face type 200, at most 27" resource "$work/out.zef" \
  idbodies "$(printf 'vertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\nface 200 1 0 2 0 1 2\n' | body type)"
expect_refusal "33000 vertices" "line 1: body 1: 33000 vertices, at most 32766" resource "$work/out.zef" \
  bodies A "$(seq 33000 | sed 's/.*/vertex 0 0 0/' | body vertices)"
expect_refusal "a vertex outside the body" "line 3: body 1, face 0: vertex 3 of a body of 1" resource "$work/out.zef" \
  bodies A "$(printf 'vertex 0 0 0\nface 1 1 0 2 0 3\n' | body outside)"
expect_refusal "an 18-byte name" 'name "EIGHTEEN-BYTES-ABC" is 18 bytes, at most 17' resource "$work/out.zef" \
  bodies EIGHTEEN-BYTES-ABC "$fixtures/tent.txt"
expect_refusal "a short pixel file" "4 x 4 needs 16 bytes, $work/pixels.bin has 12" bitmaps "$work/out.bmp" \
  4 4 "$work/pixels.bin"
[ ! -e "$work/out.zef" ] && [ ! -e "$work/out.bmp" ] || fail "a refused file was written"

[ "$failures" -eq 0 ] && echo "pel3d-write: all cases passed"
exit "$failures"
