#!/usr/bin/env bash
# Starts the real desktop program on a virtual X display at three screen sizes,
# deals a few rounds by clicking DEAL, and captures the window. Fails when the
# program does not start, crashes, or shows a table without cards.
# Usage: xvfb_check.sh BIN_DIR SCREENSHOT_DIR
set -euo pipefail
bin_dir=$(cd "$1" && pwd)
shots=$(mkdir -p "$2" && cd "$2" && pwd)

# One display size: WIDTH HEIGHT SCALE NAME. Runs inside xvfb-run.
check_size() {
  local width=$1 height=$2 scale=$3 name=$4
  # A start-up directory of its own, so the last-used settings file of the
  # build is not touched.
  local dir="$work/$name"
  mkdir -p "$dir"
  cp -r "$bin_dir/chartdata" "$bin_dir/help" "$bin_dir"/*.bmp "$dir/"
  (cd "$dir" && exec "$bin_dir/quorvel") >"$work/$name.log" 2>&1 &
  local pid=$!
  local window=""
  for _ in $(seq 1 50); do
    window=$(xdotool search --onlyvisible --name '^Quorvel Main Screen$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL $name: the program ended at start-up"; cat "$work/$name.log"; return 1; }
    sleep 0.2
  done
  [ -n "$window" ] || { echo "FAIL $name: no main window appeared"; return 1; }
  sleep 1

  # DEAL sits at (408, 129) of the client area, 65 x 24, scaled; the client
  # area starts below the menu bar.
  local menu=20
  local x y
  x=$(awk -v s="$scale" 'BEGIN { print int(408 * s) + 32 }')
  y=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(129 * s) + 12 }')
  for _ in 1 2 3; do
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.4
  done
  kill -0 "$pid" 2>/dev/null || { echo "FAIL $name: the program crashed while dealing"; cat "$work/$name.log"; return 1; }
  import -window "$window" "$shots/table-$name.png"

  # The user's first card lands at (200, 150) of the table picture, which sits
  # 20 (scaled) below the client's top: it must show a light card face.
  local cx cy brightness
  cx=$(awk -v s="$scale" 'BEGIN { print int(200 * s) + 2 }')
  cy=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(20 * s) + int(150 * s) + 30 }')
  brightness=$(convert "$shots/table-$name.png" -crop "8x8+$cx+$cy" -colorspace Gray -format '%[fx:mean]' info:)
  if ! awk -v b="$brightness" 'BEGIN { exit !(b > 0.7) }'; then
    echo "FAIL $name: no card on the table after DEAL (brightness $brightness at $cx,$cy)"
    return 1
  fi
  if [ "$name" = "1024x768" ]; then
    check_screens "$window" "$pid" "$scale" "$menu" || return 1
  fi
  if [ "$name" = "1920x1080" ]; then
    check_compare "$window" "$pid" || return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "ok $name: dealt, captured $shots/table-$name.png"
}

# Waits for a window by its exact title and prints its id.
find_window() {
  local id=""
  for _ in $(seq 1 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  echo "FAIL: no window \"$1\"" >&2
  return 1
}

# The other screens in the real program: options, progression, and a short
# automatic test whose log is shown at its end.
check_screens() {
  local main=$1 pid=$2 scale=$3 menu=$4 options progression tests x y
  x=$(awk -v s="$scale" 'BEGIN { print int(248 * s) + 40 }')
  y=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(129 * s) + 12 }')
  xdotool mousemove --window "$main" "$x" "$y" click 1
  options=$(find_window "Quorvel Options Screen") || return 1
  sleep 0.5
  import -window "$options" "$shots/options.png"
  # Keys go to the window under the pointer (no window manager here), typed
  # through XTEST: sent to a window id instead, a key's release could reach a
  # window that its press has just closed.
  xdotool mousemove --window "$options" 12 12 key alt+p
  progression=$(find_window "Quorvel Progression Screen") || return 1
  sleep 0.5
  import -window "$progression" "$shots/progression.png"
  xdotool mousemove --window "$progression" 12 12 key alt+e
  sleep 0.3
  xdotool mousemove --window "$options" 12 12 key Escape  # the close box: saved and applied
  sleep 0.5
  x=$(awk -v s="$scale" 'BEGIN { print int(336 * s) + 32 }')
  xdotool mousemove --window "$main" "$x" "$y" click 1
  tests=$(find_window "Quorvel Test Screen") || return 1
  sleep 0.3
  import -window "$tests" "$shots/test-screen.png"
  # Long enough to watch the progress for a few seconds.
  xdotool mousemove --window "$tests" 300 190 click 1 key ctrl+a type 10000000
  xdotool mousemove --window "$tests" 465 297 click 1 key ctrl+a type 03
  xdotool mousemove --window "$tests" 593 304 click 1
  sleep 1.5
  import -window "$main" "$shots/test-running.png"
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed starting a test"; return 1; }
  # At the end of the last session the results open, then the test screen again.
  for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^Results$' >/dev/null 2>&1 && break
    sleep 0.2
  done
  check_results "$pid" || return 1
  tests=$(find_window "Quorvel Test Screen") || return 1
  sleep 0.3
  xdotool mousemove --window "$tests" 600 456 click 1
  sleep 0.5
  import -window "$tests" "$shots/test-log.png"
  xdotool mousemove --window "$tests" 600 502 click 1  # Close: back to the setup view
  sleep 0.3
  xdotool mousemove --window "$tests" 600 502 click 1  # Close
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed after a test"; return 1; }
  echo "ok screens: options, progression, a test, its results and its log captured"
}

# The results of the test just run: the figures and each plot page, then Close.
check_results() {
  local pid=$1 results page
  results=$(find_window "Results") || return 1
  sleep 0.5
  import -window "$results" "$shots/results-figures.png"
  # The page tabs sit along the top, about 119 pixels apart from the second's middle at 133.
  local x=133
  for page in walks winnings stakes ruin; do
    xdotool mousemove --window "$results" "$x" 24 click 1
    x=$((x + 119))
    sleep 0.5
    import -window "$results" "$shots/results-$page.png"
  done
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed showing the results"; return 1; }
  xdotool mousemove --window "$results" 200 200 key Escape
  sleep 0.3
}

# The Compare screen from the Options menu: four example systems on one seed,
# the figures and the plots of risk of ruin and of the mean walks. The screen
# opens at 1100 x 760 here, its controls where the layout puts them at that size.
check_compare() {
  local main=$1 pid=$2 compare dialog name
  xdotool mousemove --window "$main" 20 10 click 1
  sleep 0.5
  xdotool key Down Down Down Return
  compare=$(find_window "Compare Systems") || return 1
  sleep 0.5
  for name in flat-bet martingale paroli dalembert; do
    xdotool mousemove --window "$compare" 637 21 click 1
    dialog=$(find_window "Add Settings File") || return 1
    sleep 0.3
    xdotool mousemove --window "$dialog" 10 10 type "$bin_dir/examples/$name.sav"
    xdotool key Return
    sleep 0.5
  done
  xdotool mousemove --window "$compare" 960 77 click 1 type 1
  xdotool mousemove --window "$compare" 50 160 click 1
  for _ in $(seq 1 100); do
    sleep 0.2
    # The Run button reads STOP while the systems run; the progress bar fills to the end.
    import -window "$compare" "$work/compare.png"
    awk -v b="$(convert "$work/compare.png" -crop 40x8+1040+156 -colorspace Gray -format '%[fx:mean]' info:)" 'BEGIN { exit !(b < 0.8) }' && break
  done
  sleep 0.5
  import -window "$compare" "$shots/compare-figures.png"
  xdotool mousemove --window "$compare" 250 190 click 1
  sleep 0.5
  import -window "$compare" "$shots/compare-ruin.png"
  xdotool mousemove --window "$compare" 370 190 click 1
  sleep 0.5
  import -window "$compare" "$shots/compare-walks.png"
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed comparing systems"; return 1; }
  xdotool mousemove --window "$compare" 200 400 key Escape
  sleep 0.3
  echo "ok compare: four systems compared and captured"
}

# Inside xvfb-run the script runs again for one size.
if [ "${3:-}" = "--size" ]; then
  work=$4
  check_size "$5" "$6" "$7" "$8"
  exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for size in "640 480 1.0 640x480" "1024 768 1.25 1024x768" "1920 1080 1.6 1920x1080"; do
  set -- $size
  xvfb-run -a -s "-screen 0 ${1}x${2}x24" "$0" "$bin_dir" "$shots" --size "$work" "$@" || status=1
done
exit $status
