#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR and checks it as a user would meet it:
# lintian, the desktop entry and the metainfo validated; installed with apt-get;
# both programs run by an unprivileged user with a fresh home (the runner from
# /tmp, the desktop program on a virtual display from the home); nothing written
# outside the home; then the package is removed again.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail

user=quorvel-check
app_id=io.github.quorvel.Quorvel

# Inside xvfb-run, as the unprivileged user in the home: start the desktop
# program, deal, and leave the options screen with its settings so the last-used file is written.
if [ "${1:-}" = "--desktop" ]; then
  cd "$HOME"
  quorvel >"$HOME/quorvel.log" 2>&1 &
  pid=$!
  # Waits up to ten seconds for a window by its exact title and prints its id.
  find_window() {
    for _ in $(seq 1 50); do
      xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
      sleep 0.2
    done
    return 1
  }
  window=$(find_window "Quorvel Main Screen") ||
    { echo "FAIL: the installed program shows no main window"; cat "$HOME/quorvel.log"; exit 1; }
  sleep 1.5
  others=$(xdotool search --onlyvisible --name . 2>/dev/null | grep -v -x "$window" || true)
  for other in $others; do
    echo "FAIL: a window besides the table: \"$(xdotool getwindowname "$other")\""
    exit 1
  done
  # At 1024 x 768 the table is drawn 1.25 times its size below a 20-pixel menu:
  # DEAL at (408, 129), OPTIONS at (248, 129), the user's first card at (200, 170), felt at (320, 324).
  xdotool mousemove --window "$window" 542 193 click 1
  sleep 0.6
  import -window "$window" "$HOME/table.png"
  felt=$(convert "$HOME/table.png" -crop 8x8+400+450 -format '%[fx:mean.g-mean.r]' info:)
  card=$(convert "$HOME/table.png" -crop 8x8+252+262 -colorspace Gray -format '%[fx:mean]' info:)
  awk -v f="$felt" 'BEGIN { exit !(f > 0.1) }' || { echo "FAIL: no felt on the table ($felt)"; exit 1; }
  awk -v c="$card" 'BEGIN { exit !(c > 0.7) }' || { echo "FAIL: no card after DEAL ($card)"; exit 1; }
  xdotool mousemove --window "$window" 350 193 click 1
  options=$(find_window "Quorvel Options Screen") || { echo "FAIL: the options screen did not open"; exit 1; }
  # RUN TEST WITH NEW SETTINGS, the left button of the bottom row: saved and applied.
  eval "$(xdotool getwindowgeometry --shell "$options")"
  xdotool mousemove --window "$options" 100 $((HEIGHT - 32)) click 1
  sleep 0.6
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the installed program ended"; cat "$HOME/quorvel.log"; exit 1; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi

build=$(cd "$1" && pwd)
self=$(readlink -f "$0")
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
fail() { echo "FAIL: $*"; exit 1; }

rm -f "$build"/quorvel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/quorvel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single quorvel_*.deb"
deb=${debs[0]}
lintian --fail-on error "$deb"
contents=$(mktemp -d)
home=$(mktemp -d /tmp/quorvel-home.XXXXXX)
cleanup() {
  rm -rf "$contents"
  "${sudo_cmd[@]}" rm -rf "$home"
  "${sudo_cmd[@]}" apt-get remove -y -qq quorvel >/dev/null 2>&1 || true
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$contents/usr/share/metainfo/$app_id.metainfo.xml"

DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --reinstall "$deb" >/dev/null
id "$user" >/dev/null 2>&1 || "${sudo_cmd[@]}" useradd --system --no-create-home "$user"
"${sudo_cmd[@]}" chown "$user:" "$home"
as_user() {
  "${sudo_cmd[@]}" runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin \
    XDG_RUNTIME_DIR="$home/.runtime" TMPDIR="$home/.tmp" "$@"
}
as_user mkdir -m 700 "$home/.runtime" "$home/.tmp"

# The runner from /tmp: its chart data from the install, its outputs where it is told.
last_used="$home/.local/share/quorvel/chartdata/a7d70sd7f897.sav"
cd /tmp
as_user quorvel-cli settings new "$home/mine.sav" --preset martingale >/dev/null
as_user quorvel-cli test --sessions 2 --hands 200 --seed 1 2>"$home/first.err" >/dev/null
grep -q -F "($last_used)" "$home/first.err" || fail "the runner looks elsewhere for the last-used file: $(cat "$home/first.err")"
as_user quorvel-cli compare "$home/mine.sav" /usr/share/quorvel/examples/paroli.sav \
  --sessions 3 --hands 200 --seed 1 >/dev/null

# The desktop program from the home; it makes the user's data folder on its first start.
# The script's own folder may be closed to other users: the user runs a copy in the home.
"${sudo_cmd[@]}" install -o "$user" -m 755 "$self" "$home/.tmp/package_check.sh"
as_user xvfb-run -a -s "-screen 0 1024x768x24" "$home/.tmp/package_check.sh" --desktop
[ -s "$last_used" ] || fail "no last-used settings file at $last_used"
as_user quorvel-cli test --sessions 2 --hands 200 --seed 1 2>"$home/second.err" >/dev/null
! grep -q "built-in defaults" "$home/second.err" || fail "the runner did not read $last_used"

# Beyond its home the user may write only the world-writable folders; the
# virtual display's socket and lock are the display's, not the program's.
strays=$(find /tmp /var/tmp /run/lock /dev/shm -user "$user" ! -path "$home" ! -path "$home/*" \
  ! -path '/tmp/.X11-unix*' ! -name '.X*-lock' 2>/dev/null || true)
[ -z "$strays" ] || fail "written outside the home: $strays"
[ -z "$(find /usr/share/quorvel -newer "$deb" -type f)" ] || fail "the install was written to"
echo "ok package: $(basename "$deb") checked, installed, used by $user, removed"
