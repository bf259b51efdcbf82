#!/usr/bin/env bash
# Runs every libFuzzer target from a copy of its seed corpus: 30 seconds each while there are
# few, less each as targets are added, so the whole run stays under about 9 minutes.
set -euo pipefail
dir=${1:?fuzz build folder}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
targets=("$dir"/fuzz_*)
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "fuzz-smoke: no fuzz targets yet"
  exit 0
fi
seconds=${FUZZ_SECONDS:-$(( 540 / ${#targets[@]} < 30 ? 540 / ${#targets[@]} : 30 ))}
for target in "${targets[@]}"; do
  name=$(basename "$target"); name=${name#fuzz_}
  work=$(mktemp -d)
  [[ -d "$root/fuzz/corpus/$name" ]] && cp -r "$root/fuzz/corpus/$name/." "$work/"
  echo "fuzz-smoke: $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$work" 2>"$work.log" \
    || { tail -50 "$work.log"; exit 1; }
  rm -rf "$work" "$work.log"
done
echo "fuzz-smoke: ${#targets[@]} targets clean"
