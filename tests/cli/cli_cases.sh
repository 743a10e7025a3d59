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

# ctest counts exit 77 as skipped.
skip() {
  echo "SKIP ($case_name): $*"
  exit 77
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
  for command in "" deal test chart settings "settings show" "settings new" "settings set" "settings presets"; do
    # shellcheck disable=SC2086
    expect_ok $command --help
    grep -q '^Usage:' out.txt || fail "no usage from '$command --help'"
  done
}

case_seeded_test() {
  expect_ok settings new flat.sav
  # Leading zeros do not make a seed too long.
  expect_ok test --settings flat.sav --sessions 1 --hands 20 --seed 000000000000000000005 --threads 1
  [ ! -s err.txt ] || fail "a whole file and a test that ends should say nothing on stderr: $(cat err.txt)"
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
      if (kind == "contra-dalembert") return won ? (units < 50 ? units + 1 : 50) : (units > 1 ? units - 1 : 1)
      if (kind == "fibonacci") {
        lost = won ? 0 : lost + 1
        return won ? 1 : fib[lost > 9 ? 9 : lost]
      }
      streak = won ? streak + 1 : 0
      n = streak > 9 ? 9 : streak
      if (!won) return 1
      if (kind == "paroli") return n % 3 == 1 ? 2 : n % 3 == 2 ? 4 : 1
      if (kind == "reverse-martingale") return n % 4 == 1 ? 2 : n % 4 == 2 ? 4 : n % 4 == 3 ? 8 : 1
      return n % 4 == 1 ? 3 : n % 4 == 2 ? 2 : n % 4 == 3 ? 6 : 1
    }
    BEGIN { split("1 2 3 5 8 13 21 34 55", fib, " ") }
    NR == 1 { next }
    $1 != session { session = $1; units = 1; streak = 0; lost = 0 }
    {
      if ($4 + 0 != units * 10) { print "round " $1 "." $2 ": stake " $4 ", expected " units * 10; bad = 1 }
      if ($3 >= 1) units = after(1); else if ($3 <= -1) units = after(0)
      if ($6 + 0 != units) { print "round " $1 "." $2 ": units " $6 ", expected " units; bad = 1 }
    }
    END { exit bad }' "$trace" || fail "$system does not follow its system in $trace"
}

case_examples_follow_their_systems() {
  local name seed
  for name in flat-bet martingale paroli 1-3-2-6 reverse-martingale fibonacci win-loss-limits; do
    size_is "$examples/$name.sav" 543
  done
  for name in dalembert contra-dalembert; do size_is "$examples/$name.sav" 544; done
  expect_ok settings show "$examples/martingale.sav"
  has_line "After 1 loss multiply bet by 2.0 units" out.txt
  has_line "After 1 win set bet to  1.0 units" out.txt
  for name in martingale paroli 1-3-2-6 dalembert reverse-martingale fibonacci contra-dalembert; do
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

# Each preset writes the file its rules typed as --rule options write, byte for byte,
# and the build's example of that name is the same file.
case_presets_match_typed_rules() {
  local entry id
  local fib="--rule 0,1,set,1 --rule 0,2,set,2 --rule 0,3,set,3 --rule 0,4,set,5 --rule 0,5,set,8"
  fib+=" --rule 0,6,set,13 --rule 0,7,set,21 --rule 0,8,set,34 --rule 0,9,set,55 --rule 1,0,set,1"
  for entry in "flat-bet|" \
    "martingale|--rule 0,1,multiply,2 --rule 1,0,set,1" \
    "paroli|--rule 0,1,set,1 --rule 1,0,set,2 --rule 2,0,set,4 --rule 3,0,set,1 --rule 4,0,set,2 --rule 5,0,set,4 --rule 6,0,set,1 --rule 7,0,set,2 --rule 8,0,set,4 --rule 9,0,set,1" \
    "dalembert|--rule 0,1,increase,1 --rule 1,0,decrease,1 --min 10" \
    "1-3-2-6|--rule 0,1,set,1 --rule 1,0,set,3 --rule 2,0,set,2 --rule 3,0,set,6 --rule 4,0,set,1 --rule 5,0,set,3 --rule 6,0,set,2 --rule 7,0,set,6 --rule 8,0,set,1 --rule 9,0,set,3" \
    "reverse-martingale|--rule 0,1,set,1 --rule 1,0,set,2 --rule 2,0,set,4 --rule 3,0,set,8 --rule 4,0,set,1 --rule 5,0,set,2 --rule 6,0,set,4 --rule 7,0,set,8 --rule 8,0,set,1 --rule 9,0,set,2" \
    "fibonacci|$fib" \
    "contra-dalembert|--rule 0,1,decrease,1 --rule 1,0,increase,1 --min 10"; do
    id=${entry%%|*}
    # shellcheck disable=SC2086
    expect_ok settings new typed.sav ${entry#*|}
    expect_ok settings new preset.sav --preset "$id"
    cmp -s typed.sav preset.sav || fail "--preset $id differs from its rules typed out"
    cmp -s typed.sav "$examples/$id.sav" || fail "examples/$id.sav differs from its rules typed out"
  done
  # Every listed preset has its example, and the list is the one above.
  expect_ok settings presets
  [ "$(cut -d' ' -f1 out.txt | tr '\n' ' ')" = "flat-bet martingale paroli dalembert 1-3-2-6 reverse-martingale fibonacci contra-dalembert " ] ||
    fail "presets listed: $(cat out.txt)"
  has_line "martingale          Martingale: Double the stake after each loss; back to one unit after a win." out.txt
}

# A preset replaces the stored rules, typed rules change it, and a typed minimum wins.
case_preset_edits() {
  expect_ok settings new a.sav --rule 3,3,end --min 40
  expect_ok settings set a.sav --preset martingale --rule 0,1,multiply,3
  expect_ok settings show a.sav
  has_line "After 1 loss multiply bet by 3.0 units" out.txt
  has_line "After 1 win set bet to  1.0 units" out.txt
  grep -q "After 3 wins and 3 losses" out.txt && fail "the stored rule survived the preset"
  expect_ok settings new b.sav --preset dalembert --min 3
  expect_ok settings new c.sav --rule 0,1,increase,1 --rule 1,0,decrease,1 --min 3
  cmp -s b.sav c.sav || fail "a typed --min did not win over the preset's"
  expect_ok settings new d.sav --min 30
  expect_ok settings set d.sav --preset dalembert
  expect_ok settings new e.sav --rule 0,1,increase,1 --rule 1,0,decrease,1 --min 30
  cmp -s d.sav e.sav || fail "the preset lowered a higher minimum"
  expect_refused settings new p.sav --preset dalembert --unit-percent --unit 1
  expect_message "--preset dalembert raises the table minimum to the unit, which is a percent here: give --min in dollars"
  expect_refused settings new x.sav --preset labouchere
  expect_message "--preset takes flat-bet, martingale, paroli, dalembert, 1-3-2-6, reverse-martingale, fibonacci or contra-dalembert, not 'labouchere'"
  [ ! -e x.sav ] || fail "a refused preset wrote its file"
}

# A copy of the program with its own chart folder, to damage what it reads beside it.
program_copy() {
  mkdir -p bin/chartdata
  cp "$cli" bin/
  cp "$(dirname "$cli")"/chartdata/*.dat bin/chartdata/
}

# Fault: texts that are not UTF-8 crashed the JSON report and lost the printed one.
case_non_utf8_texts() {
  expect_ok settings new b.sav --min 10 --max 1000
  printf '\xa0' | dd of=b.sav bs=1 seek=8 conv=notrunc status=none  # bankroll "1000" becomes "1\xa000"
  local name=$'caf\xe9.sav'
  cp b.sav "$name"
  expect_ok test --settings "$name" --hands 10 --seed 1 --json r.json
  grep -Eq '^Rounds: +10$' out.txt || fail "the report is lost: $(cat out.txt)"
  grep -qF '"bankrollText": "1'$'\xc2\xa0''00"' r.json || fail "the text is not written as Latin-1"
  grep -qF '"settingsFile": "caf'$'\xc3\xa9''.sav"' r.json || fail "the file name is not written as Latin-1"
  grep -qF "warning: $name: starting bankroll '1\\xA000' reads as \$1" err.txt ||
    fail "no warning for the bankroll: $(cat err.txt)"
}

# Fault: the save replaced devices and files the user may not write (links and modes: file_save_test).
case_save_targets() {
  expect_ok settings new b.sav --min 10 --max 1000
  # An unprivileged user, where one can run this program.
  if [ "$(id -u)" -eq 0 ] && setpriv --reuid=nobody --regid=nogroup --clear-groups test -x "$cli" 2>/dev/null; then
    chmod 0777 .
    cp b.sav ro.sav && chown nobody ro.sav && chmod 0444 ro.sav
    cp b.sav private.sav && chmod 0600 private.sav
    local entry file
    for entry in "ro.sav|could not write ro.sav: Permission denied" \
      "private.sav|the settings file 'private.sav' cannot be read: Permission denied"; do
      file=${entry%%|*}
      cp -p "$file" before.sav
      setpriv --reuid=nobody --regid=nogroup --clear-groups "$cli" settings set "$file" --players 2 \
        >out.txt 2>err.txt
      code=$?
      [ "$code" -eq 2 ] || fail "exit $code from settings set on $file as nobody"
      expect_message "${entry#*|}"
      cmp -s "$file" before.sav || fail "$file was changed"
      [ "$(stat -c %a:%U "$file")" = "$(stat -c %a:%U before.sav)" ] || fail "$file lost its mode or owner"
    done
  fi

  # Standard output is a pipe here: /dev/stdout leads to it, not to a file to replace.
  "$cli" test --settings b.sav --hands 10 --seed 1 --json /dev/stdout 2>err.txt | cat >piped.txt
  code=${PIPESTATUS[0]}
  [ "$code" -eq 0 ] || fail "exit $code writing JSON to /dev/stdout: $(cat err.txt)"
  grep -q '"seed": 1,' piped.txt || fail "no JSON through the pipe"

  mknod null c 1 3 2>/dev/null || skip "cannot make device nodes here"
  mknod full c 1 7
  expect_ok test --settings b.sav --hands 10 --seed 1 --log null --json null --trace null
  run test --settings b.sav --hands 10 --seed 1 --log full
  [ "$code" -eq 2 ] || fail "exit $code writing the log to a full device"
  expect_message "could not write full: No space left on device"
  [ -c null ] && [ -c full ] || fail "a device was replaced by a plain file"
}

# Fault: --json and --trace wrote in place, so a failed write left a cut-off file.
case_failed_output_keeps_old() {
  expect_ok settings new b.sav
  local option
  for option in log json trace; do
    echo "the old $option" >"old.$option"
    cp "old.$option" keep
    # A file size limit of 1 KiB fails the write as a full disk does; the report goes to a device.
    (ulimit -f 1; "$cli" test --settings b.sav --sessions 20 --hands 50 --seed 1 "--$option" "old.$option" \
      >/dev/null 2>err.txt)
    code=$?
    [ "$code" -eq 2 ] || fail "exit $code from a --$option that could not be written"
    expect_message "could not write old.$option: File too large"
    cmp -s "old.$option" keep || fail "the old --$option file was changed"
    (ulimit -f 1; "$cli" test --settings b.sav --sessions 20 --hands 50 --seed 1 "--$option" "new.$option" \
      >/dev/null 2>/dev/null)
    [ ! -e "new.$option" ] || fail "a --$option that failed left a file behind"
  done
  [ "$(ls)" = "$(printf 'b.sav\nerr.txt\nkeep\nold.json\nold.log\nold.trace\nout.txt')" ] ||
    fail "files left behind: $(ls)"
}

# The same on a small disk that fills, where a tmpfs may be mounted.
case_disk_full_outputs() {
  expect_ok settings new b.sav
  mkdir disk
  mount -t tmpfs -o size=64k quorvel-test disk 2>/dev/null || skip "cannot mount a tmpfs here"
  trap 'umount disk; cd /; rm -rf "$work"' EXIT
  echo "the old report" >disk/old.json
  cp disk/old.json keep.json
  head -c 1000000 /dev/zero >disk/filler 2>/dev/null
  run test --settings b.sav --sessions 20 --hands 50 --seed 1 --json disk/old.json
  [ "$code" -eq 2 ] || fail "exit $code on a full disk"
  expect_message "could not write disk/old.json: No space left on device"
  cmp -s disk/old.json keep.json || fail "the old report was changed"
  grep -Eq '^Rounds: +1000$' out.txt || fail "the printed report is lost"
}

# Fault: errors writing standard output were ignored.
case_stdout_errors() {
  expect_ok settings new b.sav
  (ulimit -f 1; "$cli" test --settings b.sav --sessions 30 --hands 10 --seed 1 >big.txt 2>err.txt)
  code=$?
  [ "$code" -eq 2 ] || fail "exit $code with a cut report"
  expect_message "could not write the standard output: File too large"
  mknod full c 1 7 2>/dev/null || skip "cannot make device nodes here (the file size case passed)"
  local command
  for command in "test --settings b.sav --hands 10" "settings show b.sav" "chart" "deal --rounds 2" "--help"; do
    # shellcheck disable=SC2086
    "$cli" $command >full 2>err.txt
    code=$?
    [ "$code" -eq 2 ] || fail "exit $code from '$command' onto a full disk"
    expect_message "could not write the standard output: No space left on device"
  done
}

# Runs the program in the background ($pid), its output in out.txt and err.txt.
start() {
  rm -f out.txt err.txt
  "$cli" "$@" >out.txt 2>err.txt &
  pid=$!
}

# Waits until a file the program makes holds a marker (or exists, for an empty one), or fails.
await() {
  local waited
  for waited in $(seq 1 600); do
    if [ -z "$2" ]; then [ -e "$1" ] && return; else grep -q "$2" "$1" 2>/dev/null && return; fi
    sleep 0.1
  done
  fail "no '$2' in $1 after a minute"
}

# Takes the exit code of the program; should it not end, it is killed a minute later.
finish() {
  ( sleep 60; kill -KILL "$pid" 2>/dev/null ) &
  local killer=$!
  wait "$pid"
  code=$?
  pkill -P "$killer" 2>/dev/null; kill "$killer" 2>/dev/null
}

# Faults: Ctrl-C exited 0, SIGTERM and SIGHUP lost the test; a test that can never end ran in silence.
case_interrupted_test() {
  expect_ok settings new flat.sav
  local entry
  for entry in INT:130 TERM:143 HUP:129; do
    # Signalled once the test has said it started: its handler is in place by then.
    start test --settings flat.sav --sessions 3 --hands no-limit --threads 2 --json s.json --log s.txt
    await err.txt 'runs until interrupted'
    kill "-${entry%:*}" "$pid"
    finish
    [ "$code" -eq "${entry#*:}" ] || fail "exit $code after SIG${entry%:*}, not ${entry#*:}"
    expect_message "no round limit, no win or loss limit and no END SESSION rule: this test runs until interrupted (Ctrl-C)"
    has_line "Stopped: 0 of 3 sessions finished." out.txt
    grep -Eq '^The log counts the 3 unfinished as rows of 0, averages included; the figures below include the [0-9]+ rounds they played\.$' out.txt ||
      fail "the summary does not say what the figures hold: $(cat out.txt)"
    grep -q '"stopped": true' s.json && grep -q '"sessionsFinished": 0' s.json || fail "the JSON does not say so"
    # Two workers, three endless sessions: the third never started, so it never left its start.
    python3 -c "import json; r = json.load(open('s.json'))['sessionRows'][2]
assert (r['rounds'], r['finalBankroll'], r['flatFinalBankroll'], r['maxLow']) == (0, 1000, 1000, 1000), r" ||
      fail "a session never started reads as a bankroll lost"
    [ "$(wc -l <s.txt)" -eq 108 ] || fail "the log page was not saved"
  done
  expect_ok test --settings flat.sav --sessions 2 --hands 10
  ! grep -q 'Stopped' out.txt || fail "a finished test says it stopped"
}

# Fault: a signal while the outputs were saved lost them and the report, and left temporary files.
case_signal_while_saving() {
  expect_ok settings new flat.sav
  mkfifo j.fifo
  # The JSON is more than a pipe holds, so its save waits for this reader, which waits for "go".
  ( exec <j.fifo; await go ""; cat >j.json ) &
  start test --settings flat.sav --sessions 300 --hands 500 --seed 3 --json j.fifo \
    --csv s.csv --walks w.csv
  # The report goes out before the saves begin.
  await out.txt '^Rounds:'
  kill -TERM "$pid"
  touch go
  finish
  [ "$code" -eq 143 ] || fail "exit $code after SIGTERM while saving, not 143: $(cat err.txt)"
  grep -Eq '^Rounds: +150000$' out.txt || fail "the report is lost: $(cat out.txt)"
  [ "$(wc -l <s.csv)" -eq 301 ] && grep -q '^300,' w.csv ||
    fail "an output finished before the signal was not saved"
  wait
  python3 -c "import json; assert len(json.load(open('j.json'))['sessionRows']) == 300" ||
    fail "the JSON was cut short: $(wc -c <j.json) bytes"
  [ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "temporary files left: $(ls ./*.tmp)"
}

# The per-session CSV, the walks and the JSON figures agree with each other and with the summary.
case_figures_csv_walks() {
  local examples
  examples=$(dirname "$cli")/examples
  expect_ok test --settings "$examples/martingale.sav" --sessions 5 --hands 3000 --seed 21 \
    --csv s.csv --walks w.csv --json s.json
  has_line "Sessions ended by the round count: 5" out.txt
  [ "$(wc -l <s.csv)" -eq 6 ] || fail "not one CSV row per session: $(cat s.csv)"
  head -1 s.csv | grep -q '^session,finished,end,rounds,winnings,total_bet,' || fail "CSV heading: $(head -1 s.csv)"
  # Every session's walk starts at the bankroll, ends at its last round and keeps its winnings.
  local session
  for session in 1 2 3 4 5; do
    local winnings last
    winnings=$(awk -F, -v s="$session" '$1 == s { print $5 }' s.csv)
    last=$(awk -F, -v s="$session" '$1 == s && $2 == "system" { r = $3; b = $4 } END { print r "," b }' w.csv)
    [ "$last" = "3000,$((1000 + winnings))" ] || fail "session $session walk ends at $last, winnings $winnings"
    awk -F, -v s="$session" '$1 == s && $2 == "flat" && $3 == 0 && $4 == 1000 { found = 1 } END { exit !found }' w.csv ||
      fail "session $session: no flat walk from the start"
  done
  # The JSON's total winnings are the sum of the CSV's.
  local sum
  sum=$(awk -F, 'NR > 1 { s += $5 } END { print s }' s.csv)
  python3 -c "import json,sys; f=json.load(open('s.json'))['figures']; sys.exit(0 if f['system']['winnings']==$sum and f['sessions']==5 else 1)" ||
    fail "the JSON figures do not match the CSV"
  expect_ok test --sessions 2000 --hands 5 --seed 3
  has_line "Sessions: 2000" out.txt
  ! grep -q '^SESSION' out.txt || fail "a 2000-session test printed a log page"
}

# compare: one column per file on the same seed; the flat file is its own twin.
case_compare_systems() {
  local examples
  examples=$(dirname "$cli")/examples
  expect_ok compare "$examples/flat-bet.sav" "$examples/martingale.sav" --sessions 4 --hands 2000 \
    --seed 8 --json c.json --csv c.csv
  head -3 out.txt | grep -q "flat-bet.sav.*martingale.sav" || fail "no column per file: $(head -3 out.txt)"
  grep -Eq '^Rounds +8000 +8000$' out.txt || fail "both files did not play 4 x 2000 rounds"
  python3 - <<'PY' || fail "the JSON figures do not compare as they should"
import json
files = json.load(open('c.json'))['files']
flat, martingale = files[0]['figures'], files[1]['figures']
# The same seed, the same cards: the martingale's twin is the flat file's own result.
assert martingale['flat']['winnings'] == flat['system']['winnings']
assert flat['system']['winnings'] == flat['flat']['winnings']
assert martingale['system']['largestStake']['max'] > 10
PY
  grep -q '^examples/flat-bet.sav,winnings per round,\|flat-bet.sav,winnings per round,' c.csv || fail "CSV rows: $(head -3 c.csv)"
  expect_refused compare "$examples/flat-bet.sav"
  expect_message "compare needs two settings files or more"
}

# The bankroll given for p % risk of ruin busts at most p % of the same sessions
# under --end-at-bust, and one dollar less busts more; the percent unit has none.
case_end_at_bust() {
  local bankroll busts percent settings
  for settings in "--rule 0,1,multiply,2 --rule 1,0,set,1 --max 400" \
    "--rule 0,1,set,1 --rule 1,0,set,2 --rule 2,0,set,4 --rule 3,0,set,1 --min 10" \
    "--rule 0,1,multiply,2 --rule 1,0,set,1 --win-limit stop --win-amount 100 --loss-limit stop --loss-amount 300"; do
    # shellcheck disable=SC2086
    expect_ok settings new s.sav $settings
    expect_ok test --settings s.sav --sessions 40 --hands 500 --seed 6 --json r.json --csv r.csv
    grep -q ',required_bankroll$' r.csv || fail "no required_bankroll column: $(head -1 r.csv)"
    for percent in 5 25; do
      bankroll=$(python3 -c "import json; print(int(json.load(open('r.json'))['figures']['system']['bankrollForRuinRisk']['$percent']))")
      expect_ok settings set s.sav --bankroll "$bankroll"
      expect_ok test --settings s.sav --sessions 40 --hands 500 --seed 6 --end-at-bust --csv b.csv
      busts=$(grep -c ',bust,' b.csv)
      [ "$busts" -le $((40 * percent / 100)) ] || fail "$busts of 40 busted at \$$bankroll, given for $percent %"
      expect_ok settings set s.sav --bankroll $((bankroll - 1))
      expect_ok test --settings s.sav --sessions 40 --hands 500 --seed 6 --end-at-bust --csv b.csv --json b.json
      busts=$(grep -c ',bust,' b.csv)
      [ "$busts" -gt $((40 * percent / 100)) ] || fail "only $busts of 40 busted at \$$((bankroll - 1)), below the $percent % bankroll"
      grep -qE "^Sessions ended broke: $busts$" out.txt || fail "the summary does not count $busts busts"
      python3 -c "import json,sys; sys.exit(json.load(open('b.json'))['figures']['endedBy']['bust'] != $busts)" ||
        fail "endedBy.bust is not $busts"
    done
  done
  expect_ok settings new p.sav --unit-percent --unit 1
  expect_ok test --settings p.sav --sessions 3 --hands 200 --seed 1 --rounds-per-hour 50 --json p.json
  grep -qE '^Hours played +12.00 +12.00$' out.txt || fail "600 rounds at 50 an hour are not 12 hours"
  grep -qE '^Bankroll for 5 % risk of ruin +not available' out.txt || fail "the percent unit has a bankroll for risk of ruin"
  python3 -c "import json,sys; f=json.load(open('p.json'))['figures']; sys.exit(f['system']['bankrollForRuinRisk'] is not None)" ||
    fail "bankrollForRuinRisk is not null with the unit in percent"
}

# Fault: an output that was an input of the run, another output or the printed report replaced it, exit 0.
case_output_clashes() {
  program_copy
  local built=$cli
  cli=$PWD/bin/quorvel-cli
  expect_ok settings new b.sav
  cp b.sav bin/chartdata/a7d70sd7f897.sav
  ln -s b.sav link.sav
  local chart=$PWD/bin/chartdata/6sdn.dat last=$PWD/bin/chartdata/a7d70sd7f897.sav entry
  local -a cases=(
    "test --settings b.sav --log b.sav|--log 'b.sav' is the same file as the settings file 'b.sav'"
    "test --settings b.sav --json link.sav|--json 'link.sav' is the same file as the settings file 'b.sav'"
    "test --settings b.sav --json $chart|--json '$chart' is the same file as the chart file '$chart'"
    "test --csv $last|--csv '$last' is the same file as the settings file '$last'"
    "test --settings b.sav --trace $last|--trace '$last' is the same file as the last-used settings file '$last'"
    "test --settings b.sav --log x --json x --csv x|--json 'x' is the same file as --log 'x'"
    "compare b.sav b.sav --csv b.sav|--csv 'b.sav' is the same file as the settings file 'b.sav'"
  )
  for entry in "${cases[@]}"; do
    cp b.sav before.sav
    # shellcheck disable=SC2086
    expect_refused ${entry%%|*} --hands 5
    expect_message "${entry#*|}: an output may replace neither an input nor another output"
    cmp -s b.sav before.sav && cmp -s "$chart" "$(dirname "$built")/chartdata/6sdn.dat" ||
      fail "a refused output changed an input"
  done
  # Standard output in a file is the report: /dev/stdout there would replace it.
  run test --settings b.sav --hands 5 --log /dev/stdout
  [ "$code" -eq 2 ] || fail "exit $code for --log onto the standard output's file"
  expect_message "--log '/dev/stdout' is the same file as the standard output: an output may replace neither an input nor another output"
}

# Fault: values no table can play ran without a word; the log garbled amounts beyond 32 bits.
case_impossible_settings() {
  expect_ok settings new b.sav --min 10 --max 1000
  local entry name bytes offset message n=0
  local -a cases=(
    "7|-5\0|starting bankroll must be more than 0 (it is -\$5)"
    "16|-10\0|bet unit must be more than \$0 (it is -\$10)"
    "537|-5\n-1\n|bet minimum must be from \$0 to \$9999 (it is -\$5)"
    "537|10\n99999999999999999999\n|bet maximum must be from \$1 to \$9999 (it is \$2147483647)"
    "537|500\n5\n|bet minimum (\$500) must not be above the bet maximum (\$5)"
    "6|\0011000\000\000\000\000\001|starting bankroll cannot be counted in units when the bet unit is a percent of it"
    "6|\0019999999\000\0001000\000\000\000\000|starting bankroll is too large: the bankroll could reach \$9999999000, more than the log can hold (\$2147483647)"
  )
  for entry in "${cases[@]}"; do
    IFS='|' read -r offset bytes message <<<"$entry"
    name=bad$((n += 1)).sav
    head -c "$offset" b.sav >"$name"
    # shellcheck disable=SC2059
    printf -- "$bytes" >>"$name"
    [ "$offset" -eq 537 ] || tail -c +$(($(wc -c <"$name") + 1)) b.sav >>"$name"
    expect_refused test --settings "$name" --hands 5
    expect_message "the settings file '$name' cannot be played: $message"
    expect_refused compare b.sav "$name" --hands 5
    expect_ok settings show "$name"
  done
  # settings new refuses such an amount; settings set mends it, and refuses to keep it.
  expect_refused settings new x.sav --bankroll 9999999 --bankroll-in-units --unit 1000
  expect_message "starting bankroll is too large: the bankroll could reach \$9999999000, more than the log can hold (\$2147483647)"
  expect_refused settings set "$name" --players 2
  expect_ok settings set "$name" --bankroll 100
  expect_ok test --settings "$name" --hands 5
}

# Fault: a damaged chart file dealt by a broken chart with exit 0.
case_damaged_charts() {
  program_copy
  expect_ok settings new b.sav
  local chart
  chart="$(cd bin/chartdata && pwd)/6sdn.dat"
  head -c 100 "$(dirname "$cli")/chartdata/6sdn.dat" >"$chart"
  local command
  for command in "test --settings b.sav --hands 10" "deal --rounds 1" "chart"; do
    # shellcheck disable=SC2086
    bin/quorvel-cli $command >out.txt 2>err.txt
    code=$?
    [ "$code" -eq 2 ] || fail "exit $code from '$command' by a cut chart"
    expect_message "the chart file '$chart' holds 100 of its 280 bytes"
  done
  # A FIFO nobody writes reads as empty at once; a folder is named as one.
  local entry
  for entry in "mkfifo|holds 0 of its 280 bytes" "mkdir|is a folder"; do
    rm -f "$chart"
    ${entry%%|*} "$chart"
    for command in "test --settings b.sav --hands 10" "deal --rounds 1" "chart"; do
      # shellcheck disable=SC2086
      timeout 20 bin/quorvel-cli $command >out.txt 2>err.txt
      code=$?
      [ "$code" -eq 2 ] || fail "exit $code from '$command' by a chart made by ${entry%%|*}"
      expect_message "the chart file '$chart' ${entry#*|}"
    done
  done
  rmdir "$chart"
  cp "$(dirname "$cli")/chartdata/6sdn.dat" "$chart"
  printf 'Z' | dd of="$chart" bs=1 seek=150 conv=notrunc status=none
  run deal --charts bin/chartdata --rounds 1
  [ "$code" -eq 2 ] || fail "exit $code from deal by a chart with a foreign code"
  expect_message "the chart file 'bin/chartdata/6sdn.dat' holds 'Z' at byte 150, which is no code of a total row"
}

# Fault: settings files that show and set refuse ran silently in a test.
case_damaged_settings_warn() {
  expect_ok settings new b.sav --min 10 --max 1000
  head -c 542 b.sav >cut.sav
  expect_ok test --settings cut.sav --hands 10 --seed 1 --json cut.json
  expect_message "warning: cut.sav: bet maximum line '10' is cut short: playing \$10"
  grep -qF '"bet maximum line '"'10'"' is cut short: playing $10"' cut.json || fail "the warning is not in the JSON"
  { head -c 537 b.sav; printf '10\nabc\n'; } >abc.sav
  expect_ok test --settings abc.sav --hands 10
  expect_message "warning: abc.sav: bet maximum 'abc' is not a whole number: playing \$200"
  # A file of zeros reads, but a bankroll of $0 cannot be played.
  head -c 4633 /dev/zero >zeros.sav
  expect_refused test --settings zeros.sav --hands 10
  expect_message "the settings file 'zeros.sav' cannot be played: starting bankroll must be more than 0 (it is \$0)"
  mkfifo fifo.sav
  timeout 20 "$cli" test --settings fifo.sav --hands 10 >out.txt 2>err.txt
  code=$?
  [ "$code" -eq 2 ] || fail "exit $code reading a FIFO nobody writes"
  expect_message "the settings file 'fifo.sav' holds 0 bytes, fewer than the 537 of a settings file's fixed part"
}

# Fault: messages that did not say what was wrong with what was typed.
case_messages() {
  expect_ok settings new b.sav
  local -a cases=(
    "test --hands --seed 1|--hands: no value given (--seed is the next option) (see --help)"
    "test --seed abc|--seed takes a whole number from 0 to 4294967295, not 'abc'"
    "test --sessions 10000001|--sessions takes a whole number from 1 to 10000000, not '10000001'"
    "test --sessions 100 --log x.txt|--log writes the log page, which holds 99 sessions: use it on tests of at most 99 sessions"
    "test --sessions 1001 --walks w.csv|--walks keeps every session's bankroll walk: use it on tests of at most 1000 sessions"
    "test --threads 0|--threads takes a whole number from 1 to 64, not '0'"
    "compare a.sav b.sav --rounds-per-hour 0|--rounds-per-hour takes a whole number from 1 to 10000, not '0'"
    "test --hands -5|--hands takes a whole number of rounds or no-limit, not '-5'"
    "deal --decks 5|--decks takes 2, 4, 6 or 8, not '5'"
    "deal --rounds --seed 3|--rounds: no value given (--seed is the next option) (see --help)"
    "tset|unknown command 'tset': the commands are deal, test, compare, chart and settings (see --help)"
    "settings shwo b.sav|unknown command 'shwo' of settings: the commands are show, new, set and presets (see --help)"
  )
  local entry
  for entry in "${cases[@]}"; do
    # shellcheck disable=SC2086
    expect_refused ${entry%%|*}
    expect_message "${entry#*|}"
  done
  expect_refused test --settings "" --hands 5
  expect_message "--settings needs a file name, not an empty text"
  local option
  for option in --log --json --trace; do
    expect_refused test --settings b.sav --hands 5 "$option" ""
    expect_message "$option needs a file name, not an empty text"
  done
  # An output that cannot be written is refused before a long test, not after it.
  timeout 10 "$cli" test --settings b.sav --sessions 99 --hands 1000000000 --json no-such/r.json \
    >out.txt 2>err.txt
  code=$?
  [ "$code" -eq 2 ] || fail "exit $code: the output name was not checked first"
  expect_message "could not write no-such/r.json: the folder no-such does not exist"
  [ ! -s out.txt ] || fail "the test ran before the output name was checked"
  # A damaged last-used file is damaged, not missing.
  program_copy
  head -c 100 b.sav >bin/chartdata/a7d70sd7f897.sav
  bin/quorvel-cli test --hands 5 >out.txt 2>err.txt
  code=$?
  [ "$code" -eq 2 ] || fail "exit $code with a damaged last-used file"
  grep -q "holds 100 bytes, fewer than the 537 of a settings file's fixed part (the last-used settings" err.txt ||
    fail "the damaged last-used file is not named as such: $(cat err.txt)"
  rm bin/chartdata/a7d70sd7f897.sav
  bin/quorvel-cli test --hands 5 >out.txt 2>err.txt
  grep -q 'no last-used settings file' err.txt || fail "a missing last-used file is not said to be missing"
}

# Fault: small untruths in what the runner prints and writes.
case_version_threads_and_types() {
  expect_ok --version
  grep -Eqx 'quorvel-cli [0-9]+\.[0-9]+\.[0-9]+' out.txt || fail "no version: $(cat out.txt)"
  expect_ok settings new b.sav --rule 0,1,multiply,2
  expect_ok test --settings b.sav --sessions 3 --threads 64 --hands 20 --seed 2 --json r.json --trace t.csv
  grep -Eq '^Threads: +3$' out.txt || fail "the threads used are not reported: $(grep Threads out.txt)"
  [ "$(head -n 1 t.csv)" = "session,round,net_stakes,stake,bankroll,bet_units,rule" ] ||
    fail "trace header: $(head -n 1 t.csv)"
  local pattern
  for pattern in '"rounds": 60,' '"handsPerSession": 20,' '"threads": 3,' '"roundsPerSecond": [0-9]+,' \
    '"wallTimeSeconds": [0-9.e+-]+,' '"averageWinningsPerSession": -?[0-9]+,' '"rounds": 20,'; do
    grep -Eq "$pattern" r.json || fail "no $pattern in the JSON"
  done
  # The rule column is W x 10 + L: rule 0,1 shows as 1, after a loss.
  awk -F, 'NR > 1 && $7 != "" && ($7 != 1 || $3 > -1) { bad = 1 } END { exit bad }' t.csv ||
    fail "a rule other than 1 after a loss in the trace"
}

# Every length of a real settings file through show, set and test: no crash, and every cut file says so.
case_truncation_sweep() {
  expect_ok settings new whole.sav --min 10 --max 1000 --rule 0,1,multiply,2
  local size whole full
  whole=$(wc -c <whole.sav)
  for size in $(seq 0 560); do
    head -c "$size" whole.sav >cut.sav
    full=$((size >= whole))
    run settings show cut.sav
    [ "$code" -eq $((full ? 0 : 2)) ] || fail "show exits $code at $size bytes"
    # A save replaces the file, so a refused set must leave the very same file (a hard link shows it).
    ln -f cut.sav before.sav
    run settings set cut.sav --players 2
    [ "$code" -eq $((full ? 0 : 2)) ] || fail "set exits $code at $size bytes"
    [ "$full" -eq 1 ] || [ cut.sav -ef before.sav ] || fail "set changed a refused file at $size bytes"
    run test --settings before.sav --hands 1 --seed 1
    # At 541 bytes the limit lines read 10 and 1: a maximum below the minimum.
    if [ "$size" -lt 537 ] || [ "$size" -eq 541 ]; then
      [ "$code" -eq 2 ] || fail "test exits $code at $size bytes"
    elif [ "$full" -eq 0 ]; then
      [ "$code" -eq 0 ] && grep -q 'warning: before.sav: bet m' err.txt ||
        fail "test at $size bytes: exit $code, $(cat err.txt)"
    else
      [ "$code" -eq 0 ] && [ ! -s err.txt ] || fail "test of the whole file at $size bytes: exit $code, $(cat err.txt)"
    fi
  done
}

"case_${case_name//-/_}"
