#!/usr/bin/env bash
# docs/make-screenshots.sh [BUILD]: makes the README's pictures again (docs/*.png) from the programs
# in BUILD (default build), on the demo bus, under a virtual X server. Needs xvfb, xauth, xdotool
# and ImageMagick (apt-get install xvfb xauth xdotool imagemagick). Takes about a minute and a half.
#
# The tool runs with a settings folder of its own (a copy of the example Projects.ini), opens the
# device windows of the project, and each window is captured alone: the others are moved off the
# screen while it is, so nothing covers it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
docs=$(pwd)/docs

if [ -z "${SCREENSHOTS_UNDER_XVFB:-}" ]; then
  SCREENSHOTS_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build"
fi

folder=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cp tools/Projects.example.ini "$folder/Projects.ini"
export QT_QPA_PLATFORM=xcb
# The pictures show the default captions with the added texts in English, whatever this machine speaks.
export LANGUAGE=en
"$build/bin/canquorvex" --folder "$folder" --can demo --auto-on --open-all &
pid=$!

# The id of the window whose title is exactly $1, waiting for it to appear.
window() {
  for _ in $(seq 50); do
    for id in $(xdotool search --name "$1" 2>/dev/null); do
      [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
    done
    sleep 0.2
  done
  echo "make-screenshots: no window \"$1\"" >&2
  exit 1
}
# Moves every window of the tool off the screen, then shows window $1 at ($2, $3).
show_alone() {
  for id in $(xdotool search --pid "$pid" --name '.' 2>/dev/null); do
    [ "$id" = "$1" ] || xdotool windowmove "$id" 3000 0
  done
  xdotool windowmove --sync "$1" "$2" "$3"
}
# Waits $2 seconds (the window draws what came meanwhile), then captures window $1 into docs/$3.
capture() {
  sleep "$2"
  import -window "$1" "$docs/$3"
  echo "docs/$3: $(identify -format '%wx%h' "$docs/$3")"
}

main=$(window 'CANQuorvex "Brennaquil" v.07.04.2025')
# The fourth device window: its command buttons show the sample's long captions ("Открыть задвижку",
# "Квитировать") whole, on two lines.
device=$(window 'Line1: Шкаф управления ШУ-1')
sleep 2
show_alone "$main" 20 20
capture "$main" 3 main-window.png

show_alone "$device" 20 20
capture "$device" 3 device-window.png

# The trend of the first four analog registers (Ctrl+P in the device window), a minute long.
xdotool windowfocus --sync "$device"
xdotool key ctrl+p
trend=$(window 'Trend - Line1: Шкаф управления ШУ-1')
show_alone "$trend" 20 20
capture "$trend" 58 trend-window.png

# The live trace view (Ctrl+T in the main window).
show_alone "$main" 20 20
xdotool windowfocus --sync "$main"
xdotool key ctrl+t
trace=$(window 'CANQuorvex trace')
show_alone "$trace" 20 20
capture "$trace" 3 trace-view.png

# The help window (F1 in any window).
show_alone "$main" 20 20
xdotool windowfocus --sync "$main"
xdotool key F1
help=$(window 'CANQuorvex help')
show_alone "$help" 20 20
capture "$help" 2 help-window.png
