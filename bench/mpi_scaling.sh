#!/usr/bin/env bash
# Rounds per second of quorvel-mpi at 1 and 2 ranks (one thread each) against quorvel-cli at
# 1 and 2 threads, on the same test, each the best of three runs; and the rounds per second of
# processor time, which a busy machine disturbs less:
#   bench/mpi_scaling.sh [BIN-FOLDER [SESSIONS [HANDS]]]   (default build/bin, 512, 100000)
set -eu
cd "${1:-$(dirname "$0")/../build/bin}"
sessions=${2:-512}
hands=${3:-100000}
test_args=(test --settings examples/flat-bet.sav --sessions "$sessions" --hands "$hands" --seed 1)
rounds=$((sessions * hands))

# Prints "RATE CPU-RATE" for the run with the best rate.
measure() {
  local best=0 best_cpu=0 run got cpu
  for run in 1 2 3; do
    TIMEFORMAT='%U %S'
    { time "$@" >out.txt 2>/dev/null; } 2>cpu.txt
    got=$(sed -n 's/^Rounds per second: *//p' out.txt)
    cpu=$(awk -v r="$rounds" '{ printf "%d", r / ($1 + $2) }' cpu.txt)
    if [ "$got" -gt "$best" ]; then best=$got; best_cpu=$cpu; fi
  done
  rm -f out.txt cpu.txt
  echo "$best $best_cpu"
}

report() {  # name, "rate cpu-rate", and the same of what it is set against
  read -r rate cpu <<<"$2"
  read -r base base_cpu <<<"${3:-$2}"
  awk -v n="$1" -v r="$rate" -v c="$cpu" -v b="$base" -v bc="$base_cpu" \
    'BEGIN { printf "%-24s %10d rounds/s (efficiency %.3f), %10d rounds per processor second (%.3f)\n", n, r, r / b, c, c / bc }'
}

cli1=$(measure ./quorvel-cli "${test_args[@]}" --threads 1)
cli2=$(measure ./quorvel-cli "${test_args[@]}" --threads 2)
mpi1=$(measure mpirun --allow-run-as-root -np 1 ./quorvel-mpi "${test_args[@]}" --threads 1)
mpi2=$(measure mpirun --allow-run-as-root -np 2 ./quorvel-mpi "${test_args[@]}" --threads 1)
report "quorvel-cli, 1 thread" "$cli1"
report "quorvel-cli, 2 threads" "$cli2" "$cli1"
report "quorvel-mpi, 1 rank" "$mpi1" "$cli1"
report "quorvel-mpi, 2 ranks" "$mpi2" "$cli2"
