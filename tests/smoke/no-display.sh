#!/usr/bin/env bash
# Started where there is no display and no video driver was chosen, the real program says so
# plainly and exits with status 1 instead of running without a window.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_DATA_HOME="$work/xdg" SDL_AUDIODRIVER=dummy \
  timeout 30 "$program" -w 2>&1)
status=$?
printf '%s\n' "$output"
expected="No display found: set DISPLAY, or SDL_VIDEODRIVER=dummy to run without a window"
if [[ $status -ne 1 ]]; then
  echo "FAIL: exit status $status, not 1"
  exit 1
fi
if ! grep -qxF "$expected" <<<"$output"; then
  echo "FAIL: no line \"$expected\""
  exit 1
fi
echo "PASS"
