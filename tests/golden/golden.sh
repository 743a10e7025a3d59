#!/usr/bin/env bash
# Runs the golden cases with QUORVEL-CLI and byte-compares every output with the committed
# ones: golden.sh QUORVEL-CLI [--write] (--write records the outputs instead).
set -u
cli=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
expected=$here/expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir out

# Wall time and rounds per second differ from run to run; every other byte must not.
mask_times() {
  sed -i -e 's/^Wall time: .*/Wall time: (masked)/' \
    -e 's/^Rounds per second: .*/Rounds per second: (masked)/' \
    -e 's/^\(  "wallTimeSeconds": \).*/\1(masked),/' \
    -e 's/^\(  "roundsPerSecond": \).*/\1(masked),/' "$@"
}

status=0
while IFS='|' read -r name options seed; do
  case $name in '#'* | '') continue ;; esac
  # shellcheck disable=SC2086
  "$cli" settings new "$name.sav" $options >/dev/null || { echo "settings new failed: $name"; exit 1; }
  "$cli" test --settings "$name.sav" --sessions 3 --hands 20000 --seed "$seed" --threads 2 \
    --log "out/$name.log" --json "out/$name.json" >"out/$name.out" 2>"out/$name.err"
  echo "exit $?" >>"out/$name.err"
  "$cli" test --settings "$name.sav" --sessions 2 --hands 300 --seed "$seed" --threads 1 \
    --trace "out/$name.csv" >/dev/null 2>&1 || status=1
  mask_times "out/$name.out" "out/$name.json"
done <"$here/cases.txt"
# The dealt rounds as printed, one table of each size.
"$cli" deal --rounds 40 --players 7 --decks 2 --penetration 50 --seed 9 >out/deal-seven-seats.out
"$cli" deal --rounds 40 --players 1 --decks 8 --seed 10 >out/deal-one-seat.out

if [ "${2:-}" = --write ]; then
  rm -rf "$expected" && cp -r out "$expected"
  exit $status
fi
diff -r "$expected" out >diff.txt || { head -40 diff.txt; echo "FAIL: outputs differ"; exit 1; }
exit $status
