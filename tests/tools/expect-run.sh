#!/usr/bin/env bash
# Runs a command and checks both its exit status and its output (stdout and stderr):
#   expect-run.sh STATUS REGEX COMMAND [ARGUMENT]...
# REGEX is an extended regular expression that some line of the output must match.
set -u
expected=$1
pattern=$2
shift 2
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [[ $status -ne $expected ]]; then
  echo "FAIL: exit status $status, expected $expected"
  exit 1
fi
if ! grep -Eq -- "$pattern" <<<"$output"; then
  echo "FAIL: no line matches: $pattern"
  exit 1
fi
echo "PASS"
