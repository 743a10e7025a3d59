#!/usr/bin/env bash
# The command-line cases of quorvel-cli, one per ctest test: cli_cases.sh QUORVEL-CLI CASE
set -u
cli=$1
case_name=$2
examples=$(dirname "$cli")/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

fail() {
  echo "FAIL ($case_name): $*" >&2
  exit 1
}

# Runs the program, keeping its output in out.txt and err.txt and its exit code in $code.
run() {
  "$cli" "$@" >out.txt 2>err.txt
  code=$?
}

expect_ok() {
  run "$@"
  [ "$code" -eq 0 ] || fail "exit $code from: $* ($(cat err.txt))"
}

# A refusal exits 2 with one line on stderr that names the program.
expect_refused() {
  run "$@"
  [ "$code" -eq 2 ] || fail "exit $code, not 2, from: $*"
  [ "$(wc -l <err.txt)" -eq 1 ] || fail "stderr is not one line for: $* ($(cat err.txt))"
  grep -q '^quorvel-cli: ' err.txt || fail "stderr does not start with the program name for: $*"
}

expect_message() {
  [ "$(cat err.txt)" = "quorvel-cli: $1" ] || fail "message '$(cat err.txt)', expected '$1'"
}

has_line() {
  grep -qxF -- "$1" "$2" || fail "no line '$1' in $2:
$(cat "$2")"
}

size_is() {
  [ "$(wc -c <"$1")" -eq "$2" ] || fail "$1 holds $(wc -c <"$1") bytes, not $2"
}

case_help() {
  local command
  for command in "" deal test chart settings "settings show" "settings new" "settings set"; do
    # shellcheck disable=SC2086
    expect_ok $command --help
    grep -q '^Usage:' out.txt || fail "no usage from '$command --help'"
  done
}

case_seeded_test() {
  expect_ok settings new flat.sav
  expect_ok test --settings flat.sav --sessions 1 --hands 20 --seed 5 --threads 1
  grep -Eq '^SESSION +MAX LOW\$ +HAND# +MAX HIGH\$ +HAND# +PER SESSION WINNINGS\$' out.txt ||
    fail "no log header: $(cat out.txt)"
  grep -Eq '^Rounds: +20$' out.txt || fail "not 20 rounds: $(cat out.txt)"
  grep -Eq '^Seed: +5$' out.txt || fail "seed not reported"
}

case_bad_settings_file() {
  expect_ok settings new good.sav
  head -c 536 good.sav >short.sav
  cp short.sav short.before
  expect_refused test --settings short.sav --hands 5
  expect_refused settings show short.sav
  grep -q "short.sav" err.txt || fail "the message does not name the file"
  expect_refused settings set short.sav --players 2
  cmp -s short.sav short.before || fail "a refused file was changed"
  head -c 537 good.sav >nolines.sav
  expect_refused settings show nolines.sav
  expect_message "the settings file 'nolines.sav' ends before its bet minimum and bet maximum lines"
  expect_refused settings show missing.sav
  expect_message "the settings file 'missing.sav' does not exist"
  expect_refused test --settings missing.sav
}

case_bad_arguments() {
  expect_ok settings new flat.sav
  expect_refused test --settings flat.sav --sessions 0 --hands 5
  expect_refused test --settings flat.sav --hands abc
  expect_refused test --settings flat.sav --bogus
  expect_refused settings
  expect_refused settings new
  expect_refused settings new x.sav --players 8
  expect_message "--players takes a whole number from 1 to 7, not '8'"
  expect_refused settings new x.sav --rule 0,0,set,1
  expect_message "--rule '0,0,set,1': a rule waits for at least one win or loss"
  local arguments
  for arguments in "--decks 5" "--h17 --s17" "--win-limit stop" "--rule 1,0,set,1.25"; do
    # shellcheck disable=SC2086
    expect_refused settings new x.sav $arguments
  done
  [ ! -e x.sav ] || fail "a refused settings new wrote its file"
}

case_failed_save() {
  expect_refused settings new no-such-folder/x.sav
  grep -q 'does not exist' err.txt || fail "the save failure is not explained: $(cat err.txt)"
}

case_new_show_round_trip() {
  expect_ok settings new full.sav --players 3 --decks 2 --penetration 60 --h17 --late-surrender \
    --no-das --bankroll 100 --bankroll-in-units --unit 25 --win-limit first-loss --win-amount 300 \
    --loss-limit stop --loss-amount 400 --min 25 --max 1000 --rule 2,1,increase,1.5 --rule 0,3,end
  size_is full.sav 545
  expect_ok settings show full.sav
  local line
  for line in "Players: 3" "Decks: 2" "Deck Penetration: 60 percent" \
    "Dealer Options: Dealer Hits on soft 17" "Surrender Options: Late Surrender" \
    "Double After Split: DAS Not Allowed" "Starting Bankroll: In Units: 100" \
    "Betting Unit: In Dollars: 25" "Win Limit: Stop at First Loss After Limit" "Win Limit \$: 300" \
    "Loss Limit: Stop Session at Loss Limit" "Loss Limit \$: 400" "Bet Minimum: 25 dollars" \
    "Bet Maximum: 1000 dollars" "Enable Progression Testing: yes" \
    "After 3 losses end session " "After 2 wins and 1 loss increase bet by  1.5 units"; do
    has_line "$line" out.txt
  done
  [ "$(grep -c '^After' out.txt)" -eq 2 ] || fail "not exactly the two rules"

  expect_ok settings new percent.sav --continuous-shuffle --unit-percent --unit 0.5 --no-progression \
    --rule 1,0,set,1
  expect_ok settings show percent.sav
  has_line "Deck Penetration: Continuous Shuffle" out.txt
  has_line "Betting Unit: As Percent of Bankroll: 0.5" out.txt
  has_line "Enable Progression Testing: no" out.txt
  has_line "After 1 win set bet to  1.0 units" out.txt
}

case_set_keeps_other_fields() {
  local options=(--players 2 --rule 0,1,multiply,2 --win-limit stop --win-amount 150)
  expect_ok settings new a.sav "${options[@]}"
  cp a.sav before.sav
  expect_ok settings set a.sav
  cmp a.sav before.sav || fail "setting nothing changed the file"
  expect_ok settings set a.sav --decks 8 --max 300
  expect_ok settings new b.sav "${options[@]}" --decks 8 --max 300
  cmp a.sav b.sav || fail "set differs from new with the same options"

  # Carried blocks no option edits: special counting, tracking, END SEQ of rule 1.
  printf '\x01\x01\x00\x01\x00\x01' | dd of=a.sav bs=1 seek=42 conv=notrunc status=none
  local tracking="" i
  for i in $(seq 0 87); do tracking+=$(printf '\\x%02x' $(((i * 7 + 3) % 256))); done
  printf "$tracking" | dd of=a.sav bs=1 seek=48 conv=notrunc status=none
  printf '\x01' | dd of=a.sav bs=1 seek=437 conv=notrunc status=none
  cp a.sav patched.sav
  expect_ok settings set a.sav --players 5
  [ "$(cmp -l patched.sav a.sav | tr -s ' ' | sed 's/^ //')" = "1 2 5" ] ||
    fail "more than the players byte changed: $(cmp -l patched.sav a.sav)"
}

case_set_clear_rules() {
  expect_ok settings new r.sav --rule 0,1,multiply,2 --rule 1,0,set,1
  expect_ok settings set r.sav --clear-rules
  expect_ok settings show r.sav
  ! grep -q '^After' out.txt || fail "rules left after --clear-rules"
  has_line "Enable Progression Testing: no" out.txt
  expect_ok settings set r.sav --rule 3,0,end
  expect_ok settings show r.sav
  has_line "After 3 wins end session " out.txt
  has_line "Enable Progression Testing: yes" out.txt
  [ "$(grep -c '^After' out.txt)" -eq 1 ] || fail "not exactly one rule"
}

case_same_json_any_threads() {
  expect_ok settings new m.sav --rule 0,1,multiply,2 --rule 1,0,set,1 --loss-limit stop --loss-amount 300
  expect_ok test --settings m.sav --sessions 4 --hands 300 --seed 11 --threads 1 --json one.json
  expect_ok test --settings m.sav --sessions 4 --hands 300 --seed 11 --threads 2 --json two.json
  grep -q '"sessions": 4' one.json || fail "no sessions in the JSON"
  # Only the figures of the machine may differ.
  local machine='"(threads|wallTimeSeconds|roundsPerSecond)":'
  cmp <(grep -Ev "$machine" one.json) <(grep -Ev "$machine" two.json) ||
    fail "the JSON depends on the number of threads"
}

case_log_file_lines() {
  expect_ok settings new flat.sav
  expect_ok test --settings flat.sav --sessions 2 --hands 50 --seed 3 --log page.txt
  [ "$(wc -l <page.txt)" -eq 108 ] || fail "$(wc -l <page.txt) lines, not 108"
  [ "$(grep -c $'\r$' page.txt)" -eq 108 ] || fail "not every line ends in CR LF"
}

case_chart_file_name() {
  expect_ok chart --decks 2 --h17
  [ "$(head -n 1 out.txt)" = "2hdn.dat" ] || fail "first line '$(head -n 1 out.txt)'"
  expect_ok chart --decks 8 --no-das --late-surrender
  [ "$(head -n 1 out.txt)" = "8snl.dat" ] || fail "first line '$(head -n 1 out.txt)'"
}

# Replays a trace against the stakes a system should take, worked out round by round:
# a win is a net result of 1 unit or more, a loss -1 or less, anything else leaves the stake.
# Units are capped by the $500 table maximum at $10 a unit.
check_trace() {
  local system=$1 trace=$2
  awk -F, -v kind="$system" '
    function after(won) {
      if (kind == "martingale") return won ? 1 : (units * 2 > 50 ? 50 : units * 2)
      if (kind == "dalembert") return won ? (units > 1 ? units - 1 : 1) : (units < 50 ? units + 1 : 50)
      streak = won ? streak + 1 : 0
      n = streak > 9 ? 9 : streak
      if (!won) return 1
      if (kind == "paroli") return n % 3 == 1 ? 2 : n % 3 == 2 ? 4 : 1
      return n % 4 == 1 ? 3 : n % 4 == 2 ? 2 : n % 4 == 3 ? 6 : 1
    }
    NR == 1 { next }
    $1 != session { session = $1; units = 1; streak = 0 }
    {
      if ($4 + 0 != units * 10) { print "round " $1 "." $2 ": stake " $4 ", expected " units * 10; bad = 1 }
      if ($3 >= 1) units = after(1); else if ($3 <= -1) units = after(0)
      if ($6 + 0 != units) { print "round " $1 "." $2 ": units " $6 ", expected " units; bad = 1 }
    }
    END { exit bad }' "$trace" || fail "$system does not follow its system in $trace"
}

case_examples_follow_their_systems() {
  local name seed
  for name in flat-bet martingale paroli 1-3-2-6 win-loss-limits; do size_is "$examples/$name.sav" 543; done
  size_is "$examples/dalembert.sav" 544
  expect_ok settings show "$examples/martingale.sav"
  has_line "After 1 loss multiply bet by 2.0 units" out.txt
  has_line "After 1 win set bet to  1.0 units" out.txt
  for name in martingale paroli 1-3-2-6 dalembert; do
    for seed in 1 2 3; do
      expect_ok test --settings "$examples/$name.sav" --sessions 2 --hands 150 --seed "$seed" --trace t.csv
      check_trace "$name" t.csv
    done
  done
  # Every session ends at its first bankroll at or above $1100 or at or below $800.
  expect_ok test --settings "$examples/win-loss-limits.sav" --sessions 6 --hands 400 --seed 4 --trace t.csv
  awk -F, 'NR > 1 {
      if ($1 in ended) { print "session " $1 " went on after its limit"; bad = 1 }
      if ($5 >= 1100 || $5 <= 800) ended[$1] = 1
      rounds[$1] = $2
    }
    END { for (s in rounds) if (!(s in ended) && rounds[s] != 400) { print "session " s " ended early"; bad = 1 }
          exit bad }' t.csv || fail "the limits did not end the sessions"
}

"case_${case_name//-/_}"
