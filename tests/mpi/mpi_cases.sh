#!/usr/bin/env bash
# quorvel-mpi against quorvel-cli: every output byte for byte at 1, 2 and 3 ranks, and a rank
# killed mid-test ending the run with an error: mpi_cases.sh QUORVEL-CLI QUORVEL-MPI
set -u
cli=$(realpath "$1")
mpi=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
launch=(mpirun --allow-run-as-root --oversubscribe)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Wall time, rate and threads differ from run to run and machine to machine; no other byte may.
mask() {
  sed -i -e '/^Wall time: /d' -e '/^Rounds per second: /d' -e '/^Threads: /d' \
    -e '/^  "wallTimeSeconds": /d' -e '/^  "roundsPerSecond": /d' -e '/^  "threads": /d' "$@"
}

"$cli" settings new m.sav --players 3 --rule 0,1,multiply,2 --rule 1,0,set,1 >/dev/null || fail "settings"
"$cli" settings new l.sav --players 1 --win-limit stop --win-amount 100 --loss-limit stop --loss-amount 200 \
  >/dev/null || fail "settings"

# name | arguments; the outputs are named after the case. Every rank runs some of the sessions.
cases=(
  "all|test --settings m.sav --sessions 99 --hands 300 --seed 5 --threads 2 --log all.log --json all.json --csv all.csv --walks all.walks --trace all.trace"
  "limits|test --settings l.sav --sessions 300 --hands 100 --seed 6 --threads 1 --json limits.json --csv limits.csv"
  "compare|compare m.sav l.sav --sessions 200 --hands 200 --seed 7 --threads 2 --end-at-bust --rounds-per-hour 60 --json compare.json --csv compare.csv"
)
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  read -r -a arguments <<<"${entry#*|}"
  mkdir -p cli && (cd cli && cp ../*.sav . && "$cli" "${arguments[@]}" >"$name.out" 2>/dev/null; echo "exit $?" >>"$name.out")
  mask cli/"$name".*
  for ranks in 1 2 3; do
    mkdir -p "mpi$ranks"
    (cd "mpi$ranks" && cp ../*.sav . && timeout 120 "${launch[@]}" -np "$ranks" "$mpi" "${arguments[@]}" \
      >"$name.out" 2>"$name.err"; echo "exit $?" >>"$name.out")
    mask "mpi$ranks/$name".*
    for file in cli/"$name".*; do
      cmp -s "$file" "mpi$ranks/${file#cli/}" || fail "$name at $ranks ranks: ${file#cli/} differs:
$(diff "$file" "mpi$ranks/${file#cli/}" | head -20)"
    done
  done
done

# Each rank notes its process id in rank.N, then becomes quorvel-mpi.
noting=(bash -c 'echo $$ >rank.$OMPI_COMM_WORLD_RANK; exec "$0" "$@"' "$mpi")

# Waits until every rank has noted itself and catches SIGTERM (bit 14 of SigCgt):
# a signal sent before a rank's handler is in place would simply kill it.
await_catching() {
  local rank mask ready
  for _ in $(seq 600); do
    ready=1
    for rank in "$@"; do
      mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$(cat "rank.$rank" 2>/dev/null)/status" 2>/dev/null)
      [ -n "$mask" ] && (((16#$mask >> 14) & 1)) || ready=0
    done
    [ "$ready" -eq 1 ] && return 0
    sleep 0.1
  done
  fail "ranks $* never caught SIGTERM"
}

# SIGTERM, as a launcher or a batch system sends it, stops every rank; rank 0 reports and saves.
"${launch[@]}" -np 2 "${noting[@]}" test --settings m.sav --sessions 8 --hands 100000000 --seed 8 --threads 1 \
  --json stopped.json >stopped.out 2>/dev/null &
launcher=$!
await_catching 0 1
kill -TERM "$launcher"
timeout 60 tail --pid="$launcher" -f /dev/null || { kill -9 "$launcher"; fail "the run went on after SIGTERM"; }
grep -q '^Stopped: 0 of 8 sessions finished.$' stopped.out || fail "no report of the stop: $(head -3 stopped.out)"
grep -q '"stopped": true' stopped.json || fail "no JSON saved after the stop"

# A rank killed mid-test: the run ends with an error, never a hang.
rm -f rank.*
"${launch[@]}" -np 2 "${noting[@]}" test --settings m.sav --sessions 1000 --hands 1000000 --seed 8 --threads 1 \
  >killed.out 2>killed.err &
launcher=$!
await_catching 0 1
sleep 1  # well into its share of the sessions; a kill at any moment must end the run
kill -9 "$(cat rank.1)"
for _ in $(seq 300); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$launcher" 2>/dev/null; then
  kill -9 "$(cat rank.0)" "$launcher"
  fail "the run hung after rank 1 was killed"
fi
wait "$launcher"
code=$?
[ "$code" -ne 0 ] || fail "the run with a killed rank exited 0"
exit 0
