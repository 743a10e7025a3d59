#!/usr/bin/env bash
# Runs each fuzz target for a fixed time on its committed seeds: run_briefly.sh BIN SECONDS TARGET...
# New inputs go to a scratch folder, so the committed seeds stay as they are.
set -euo pipefail
bin=$1 seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
for target in "$@"; do
  seeds=$here/corpus
  case $target in chart_*) seeds=$here/chart-corpus ;; esac
  mkdir -p "$found/$target"
  "$bin/$target" "$found/$target" "$seeds" -max_total_time="$seconds" -print_final_stats=1 \
    2>"$found/$target.log" || { cat "$found/$target.log"; exit 1; }
  echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$found/$target.log" | grep -o '[0-9]*$') runs in ${seconds} s"
done
