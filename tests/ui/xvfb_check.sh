#!/usr/bin/env bash
# Starts the real desktop program on a virtual X display with a light window
# manager at four screen sizes, deals a few rounds by clicking DEAL, and
# captures the screen as a person sees it. Fails when the program does not
# start, crashes, shows a table without cards, or opens a window that does not
# fit the screen.
# Usage: xvfb_check.sh BIN_DIR SCREENSHOT_DIR
set -euo pipefail
bin_dir=$(cd "$1" && pwd)
shots=$(mkdir -p "$2" && cd "$2" && pwd)

# One display size: WIDTH HEIGHT SCALE NAME. Runs inside xvfb-run.
check_size() {
  local width=$1 height=$2 scale=$3 name=$4
  # A build folder of its own (the program reads and writes beside itself),
  # so the last-used settings file of the build is not touched.
  local dir="$work/$name"
  mkdir -p "$dir"
  cp -r "$bin_dir/chartdata" "$bin_dir/help" "$bin_dir"/*.bmp "$bin_dir/quorvel" "$dir/"
  (cd "$dir" && exec ./quorvel) >"$work/$name.log" 2>&1 &
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
  fits "$window" "$name main" || return 1

  # DEAL sits at (408, 129) of the client area, 65 x 24, scaled; the client
  # area starts below the menu bar.
  local menu=22
  local x y
  x=$(awk -v s="$scale" 'BEGIN { print int(408 * s) + 32 }')
  y=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(129 * s) + 12 }')
  for _ in 1 2 3; do
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.4
  done
  kill -0 "$pid" 2>/dev/null || { echo "FAIL $name: the program crashed while dealing"; cat "$work/$name.log"; return 1; }
  import -window "$window" "$work/table-$name.png"
  import -window root "$shots/table-$name.png"

  # The user's first card lands at (200, 150) of the table picture, which sits
  # 20 (scaled) below the client's top: it must show a light card face.
  local cx cy brightness
  cx=$(awk -v s="$scale" 'BEGIN { print int(200 * s) + 2 }')
  cy=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(20 * s) + int(150 * s) + 30 }')
  brightness=$(convert "$work/table-$name.png" -crop "8x8+$cx+$cy" -colorspace Gray -format '%[fx:mean]' info:)
  if ! awk -v b="$brightness" 'BEGIN { exit !(b > 0.7) }'; then
    echo "FAIL $name: no card on the table after DEAL (brightness $brightness at $cx,$cy)"
    return 1
  fi
  if [ "$name" = "1366x768" ]; then
    check_screens "$window" "$pid" "$scale" "$menu" || return 1
  fi
  if [ "$name" = "800x600" ]; then
    check_small_screens "$window" "$scale" "$menu" || return 1
  fi
  if [ "$name" = "1920x1080" ]; then
    check_compare "$window" "$pid" || return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "ok $name: dealt, captured $shots/table-$name.png"
}

# A window, its frame included, inside the screen: WINDOW WHAT.
fits() {
  local x y w h left=0 right=0 top=0 bottom=0 screen_w screen_h extents
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $NF }')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $NF }')
  w=$(xwininfo -id "$1" | awk '/Width:/ { print $NF }')
  h=$(xwininfo -id "$1" | awk '/Height:/ { print $NF }')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
  [ -n "$extents" ] && read -r left right top bottom <<<"$extents"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  if [ $((x - left)) -lt 0 ] || [ $((y - top)) -lt 0 ] || [ $((x + w + right)) -gt "$screen_w" ] ||
     [ $((y + h + bottom)) -gt "$screen_h" ]; then
    echo "FAIL $2: the window ($w x $h at $x,$y, frame $left $right $top $bottom) does not fit the $screen_w x $screen_h screen"
    return 1
  fi
}

# Captures a window with its frame: WINDOW FILE.
shoot() {
  import -frame -window "$1" "$2"
}

# Types keys into a window, which the window manager gives the focus first.
keys() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key "$@"
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
  fits "$options" options || return 1
  shoot "$options" "$shots/options.png"
  keys "$options" alt+p
  progression=$(find_window "Quorvel Progression Screen") || return 1
  sleep 0.5
  fits "$progression" progression || return 1
  shoot "$progression" "$shots/progression.png"
  keys "$progression" alt+e
  sleep 0.3
  keys "$options" Escape  # read as cancel: nothing applied
  sleep 0.5
  keys "$main" alt+c
  local charts
  charts=$(find_window "Basic Strategy Chart.*") || return 1
  sleep 0.5
  fits "$charts" charts || return 1
  shoot "$charts" "$shots/charts.png"
  keys "$charts" Escape
  sleep 0.3
  keys "$main" alt+h c
  local help
  help=$(find_window "Quorvel Help") || return 1
  sleep 0.5
  fits "$help" help || return 1
  shoot "$help" "$shots/help.png"
  keys "$help" Escape
  xdotool windowclose "$help" 2>/dev/null || true
  sleep 0.3
  x=$(awk -v s="$scale" 'BEGIN { print int(336 * s) + 32 }')
  xdotool mousemove --window "$main" "$x" "$y" click 1
  tests=$(find_window "Quorvel Test Screen") || return 1
  sleep 0.3
  fits "$tests" "test screen" || return 1
  shoot "$tests" "$shots/test-setup.png"
  # Long enough to watch the progress for a few seconds.
  xdotool mousemove --window "$tests" 300 190 click 1 key ctrl+a type 10000000
  xdotool mousemove --window "$tests" 465 297 click 1 key ctrl+a type 03
  xdotool mousemove --window "$tests" 593 304 click 1
  sleep 1.5
  import -window root "$shots/test-running.png"
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
  shoot "$tests" "$shots/test-log.png"
  xdotool mousemove --window "$tests" 600 502 click 1  # Close: back to the setup view
  sleep 0.3
  xdotool mousemove --window "$tests" 600 502 click 1  # Close
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed after a test"; return 1; }
  echo "ok screens: options, progression, a test, its results and its log captured"
}

# The options and charts screens, the tallest, on the smallest display: shrunk to fit it.
check_small_screens() {
  local main=$1 scale=$2 menu=$3 options charts x y
  x=$(awk -v s="$scale" 'BEGIN { print int(248 * s) + 40 }')
  y=$(awk -v s="$scale" -v m="$menu" 'BEGIN { print m + int(129 * s) + 12 }')
  xdotool mousemove --window "$main" "$x" "$y" click 1
  options=$(find_window "Quorvel Options Screen") || return 1
  sleep 0.5
  fits "$options" "options at 800 x 600" || return 1
  shoot "$options" "$shots/options-800x600.png"
  keys "$options" Escape
  sleep 0.5
  keys "$main" alt+c
  charts=$(find_window "Basic Strategy Chart.*") || return 1
  sleep 0.5
  fits "$charts" "charts at 800 x 600" || return 1
  shoot "$charts" "$shots/charts-800x600.png"
  keys "$charts" Escape
  sleep 0.3
  echo "ok small screens: options and charts fit 800 x 600"
}

# The results of the test just run: the figures and each plot page, then Close.
check_results() {
  local pid=$1 results page
  results=$(find_window "Results") || return 1
  sleep 0.5
  fits "$results" results || return 1
  shoot "$results" "$shots/results-figures.png"
  # The page tabs sit along the top, about 119 pixels apart from the second's middle at 133.
  local x=133
  for page in walks winnings stakes ruin; do
    xdotool mousemove --window "$results" "$x" 24 click 1
    x=$((x + 119))
    sleep 0.5
    shoot "$results" "$shots/results-$page.png"
  done
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed showing the results"; return 1; }
  keys "$results" Escape
  sleep 0.3
}

# The Compare screen from the Options menu: four example systems on one seed,
# the figures and the plots of risk of ruin, of the mean walks and of the
# session winnings, then a comparison stopped early. The screen
# opens at 1100 x 760 here, its controls where the layout puts them at that size.
check_compare() {
  local main=$1 pid=$2 compare dialog name
  xdotool mousemove --window "$main" 20 10 click 1
  sleep 0.5
  xdotool key Down Down Down Return
  compare=$(find_window "Compare Systems") || return 1
  sleep 0.5
  fits "$compare" compare || return 1
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
  shoot "$compare" "$shots/compare-figures.png"
  xdotool mousemove --window "$compare" 250 190 click 1
  sleep 0.5
  shoot "$compare" "$shots/compare-ruin.png"
  xdotool mousemove --window "$compare" 370 190 click 1
  sleep 0.5
  shoot "$compare" "$shots/compare-walks.png"
  xdotool mousemove --window "$compare" 140 190 click 1
  sleep 0.5
  shoot "$compare" "$shots/compare-winnings.png"
  # Long sessions, stopped while the first system plays: the others show as not run.
  xdotool mousemove --window "$compare" 960 49 click 1 key ctrl+a type 1000000
  xdotool mousemove --window "$compare" 50 160 click 1
  sleep 4
  xdotool mousemove --window "$compare" 50 160 click 1
  sleep 0.5
  xdotool mousemove --window "$compare" 45 190 click 1
  sleep 0.5
  shoot "$compare" "$shots/compare-stopped.png"
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program crashed comparing systems"; return 1; }
  xdotool mousemove --window "$compare" 200 400 key Escape
  sleep 0.3
  echo "ok compare: four systems compared and captured"
}

# Starts the program in DIR, answering the message about a damaged last-used
# file first; prints the main window's id.
start_program() {
  local dir=$1 log=$2 box
  (cd "$dir" && exec ./quorvel) >"$log" 2>&1 &
  echo $! >"$work/pid"
  box=$(find_window "Quorvel Progression Tester") || return 1
  sleep 0.3
  [ -f "$shots/damaged-settings.png" ] || import -window "$box" "$shots/damaged-settings.png"
  xdotool mousemove --window "$box" 20 20 key Return
  find_window "Quorvel Main Screen"
}

# A click on a main-screen button at its designed place (x, y) at scale 1.25.
click_button() {
  xdotool mousemove --window "$1" "$(awk -v x="$2" 'BEGIN { print int(x * 1.25) + 32 }')" \
    "$(awk -v y="$3" 'BEGIN { print 20 + int(y * 1.25) + 12 }')" click 1
}

# Deals one round and keeps the table picture, where the cards lie.
deal_and_capture() {
  click_button "$1" 408 129
  sleep 0.8
  import -window "$1" -crop "800x517+0+45" +repage "$2"
}

# A damaged last-used file at start, RESET during a running test, and two
# starts that deal other cards. The damaged file is the same after both runs.
check_lifetime() {
  local dir="$work/lifetime" main tests pid
  mkdir -p "$dir"
  # The program reads and writes beside its executable, so a copy of it runs there.
  cp -r "$bin_dir/chartdata" "$bin_dir/help" "$bin_dir"/*.bmp "$bin_dir/quorvel" "$dir/"
  head -c 600 /dev/urandom >"$dir/chartdata/a7d70sd7f897.sav"
  cp "$dir/chartdata/a7d70sd7f897.sav" "$work/damaged.sav"
  for run in 1 2; do
    main=$(start_program "$dir" "$work/lifetime-$run.log") || { echo "FAIL: no message about the damaged file"; return 1; }
    pid=$(cat "$work/pid")
    sleep 1
    deal_and_capture "$main" "$work/deal-$run.png"
    if [ "$run" = 1 ]; then
      click_button "$main" 336 129  # AUTO
      tests=$(find_window "Quorvel Test Screen") || return 1
      sleep 0.3
      xdotool mousemove --window "$tests" 300 190 click 1 key ctrl+a type 0  # no round limit
      xdotool mousemove --window "$tests" 465 297 click 1 key ctrl+a type 01
      xdotool mousemove --window "$tests" 593 304 click 1
      sleep 1.5
      click_button "$main" 176 129  # RESET
      sleep 1.5  # several ticks of the progress poll
      if xdotool search --onlyvisible --name '^(Results|Quorvel Test Screen)$' >/dev/null 2>&1; then
        echo "FAIL: a screen opened by itself after RESET during a test"
        return 1
      fi
      import -window "$main" "$shots/reset-during-test.png"
    fi
    # Options > Exit closes the program as a user would.
    xdotool mousemove --window "$main" 300 300 key alt+o
    sleep 0.3
    xdotool key e
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then
      echo "FAIL: the program did not close from its menu"
      kill "$pid"
      return 1
    fi
    cmp -s "$work/damaged.sav" "$dir/chartdata/a7d70sd7f897.sav" ||
      { echo "FAIL: the damaged last-used file changed"; return 1; }
  done
  if [ "$(compare -metric AE "$work/deal-1.png" "$work/deal-2.png" null: 2>&1 || true)" = "0" ]; then
    echo "FAIL: two starts dealt the same cards"
    return 1
  fi
  echo "ok lifetime: damaged file said and kept, RESET during a test opened nothing, two starts dealt apart"
}

# Inside xvfb-run the script runs again for one size.
if [ "${3:-}" = "--lifetime" ]; then
  work=$4
  check_lifetime
  exit
fi
if [ "${3:-}" = "--size" ]; then
  work=$4
  openbox >/dev/null 2>&1 &
  sleep 1
  check_size "$5" "$6" "$7" "$8"
  exit
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for size in "1366 768 1.25 1366x768" "1920 1080 1.6 1920x1080" "1024 768 1.25 1024x768" "800 600 1.0 800x600"; do
  set -- $size
  xvfb-run -a -s "-screen 0 ${1}x${2}x24" "$0" "$bin_dir" "$shots" --size "$work" "$@" || status=1
done
xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$bin_dir" "$shots" --lifetime "$work" || status=1
exit $status
