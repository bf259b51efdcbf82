#!/usr/bin/env bash
# make-resources writes its output readable by all, and a failed run (a missing input, an
# id given twice) leaves the output of the run before it as it was.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'one' >"$work/1.txt"
printf 'two' >"$work/2.txt"

fail() { echo "FAIL: $*"; exit 1; }

umask 022  # the usual one: the tool asks for 0644, not 0600
"$tool" "$work/out.res" "1=$work/1.txt" "2=$work/2.txt" || fail "the first run did not succeed"
[[ $(stat -c %a "$work/out.res") == 644 ]] || fail "the output's permission is $(stat -c %a "$work/out.res"), not 644"
cp "$work/out.res" "$work/before.res"

"$tool" "$work/out.res" "1=$work/1.txt" "3=$work/missing.txt" && fail "a missing input gave status 0"
cmp -s "$work/out.res" "$work/before.res" || fail "a missing input changed the output"
"$tool" "$work/out.res" "1=$work/1.txt" "1=$work/2.txt" 2>"$work/stderr" && fail "a repeated id gave status 0"
grep -q "resource id 1 is given twice" "$work/stderr" || fail "no word of the repeated id"
cmp -s "$work/out.res" "$work/before.res" || fail "a repeated id changed the output"
[[ -z $(find "$work" -name '*.tmp') ]] || fail "a temporary file was left behind"
echo "PASS"
