#!/usr/bin/env bash
# Runs every benchmark program.
set -euo pipefail
dir=${1:?benchmark build folder}
shopt -s nullglob
programs=("$dir"/bench_*)
if [[ ${#programs[@]} -eq 0 ]]; then
  echo "bench: no benchmarks yet"
  exit 0
fi
for program in "${programs[@]}"; do "$program"; done
