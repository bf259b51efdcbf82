#!/usr/bin/env bash
# Starts the real program headless with the windowed and debug-console switches, in a
# temporary folder, asks it to quit with SIGTERM as soon as its first console line has
# appeared on stderr, and checks that it ended cleanly, wrote its preferences into its own
# XDG_DATA_HOME and nothing into the program's folder. The system report's version line must
# be among the console lines. Sound is prepared without an error line; with an audio driver
# given that does not exist, the game says it plays without sound (EXPECTED) and runs on.
# With LIST_FILE given, the saved preferences must hold the radio's settings record.
#   halvorine-smoke.sh PROGRAM [LIST_FILE [AUDIO-DRIVER EXPECTED]]
set -u
program=$1
listFile=${2:-}
audioDriver=${3:-dummy}
expected=${4:-}
programFolder=$(dirname "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkfifo console
ls -A "$programFolder" >"$work/before"

env -u HALVORINE_WRITE XDG_DATA_HOME="$work/xdg" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER="$audioDriver" \
  "$program" -w -d 2>console &
pid=$!
exec 3<console

if ! IFS= read -r -t 30 first <&3; then
  echo "FAIL: no console line on stderr within 30 s"
  kill -KILL "$pid" 2>/dev/null
  exit 1
fi
kill -TERM "$pid"
rest=""
while true; do
  IFS= read -r -t 30 line <&3
  readStatus=$?
  [[ $readStatus -ne 0 ]] && break
  rest+="$line"$'\n'
done
if [[ $readStatus -gt 128 ]]; then
  echo "FAIL: still running 30 s after SIGTERM"
  kill -KILL "$pid" 2>/dev/null
  exit 1
fi
wait "$pid"
status=$?

printf 'stderr:\n%s\n%s' "$first" "$rest"
if [[ "$first" != "Halvorine Startup..." ]]; then
  echo "FAIL: the console lines begin with \"$first\", not \"Halvorine Startup...\""
  exit 1
fi
if ! grep -qE '^Version [0-9]+\.[0-9]+\.[0-9]+$' <<<"$rest"; then
  echo "FAIL: no version line of the system report among the console lines"
  exit 1
fi
if [[ -z $expected ]] && grep -q "Error" <<<"$rest"; then
  echo "FAIL: an error line among the console lines"
  exit 1
fi
if [[ -n $expected ]] && ! grep -qF "$expected" <<<"$rest"; then
  echo "FAIL: no line saying \"$expected\""
  exit 1
fi
if [[ -n $listFile ]] && ! "$listFile" "$work/xdg/halvorine/tarvid.cfg" | grep -qE '^chunk +[0-9]+  REIO \(0x5245494F\)  length 36$'; then
  echo "FAIL: no radio record 'REIO' of 28 bytes in the saved preferences"
  exit 1
fi
if [[ $status -ne 0 ]]; then
  echo "FAIL: exit status $status after SIGTERM"
  exit 1
fi
if [[ ! -f "$work/xdg/halvorine/tarvid.cfg" ]]; then
  echo "FAIL: no tarvid.cfg in its XDG_DATA_HOME"
  exit 1
fi
ls -A "$programFolder" >"$work/after"
changed=$(find "$programFolder" -maxdepth 1 -newer "$work/before")
if ! diff "$work/before" "$work/after" || [[ -n $changed ]]; then
  echo "FAIL: the program's folder changed: $changed"
  exit 1
fi
echo "PASS: started, showed its console, ended with status 0 and kept its files in XDG_DATA_HOME"
