#!/bin/sh
# canquorvex.exe of the Windows package under wine on the X display of the test (Xvfb): started on
# the demo bus with its device windows open, it shows its main window and ends cleanly when it is
# closed as by its close button (WM_CLOSE): exit code 0, the device windows' placement written to
# Quorvex.ini in the program's folder. Prints the time from the start to the main window.
#   xvfb-run sh gui_demo.sh PACKAGE_FOLDER WINE_RUN
set -u
package=$1
wine_run=$2
export QUORVEX_WINE_PACKAGE=1
work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    # The wine server of this test's prefix, with what it still runs for the test.
    [ -n "${QUORVEX_WINEPREFIX:-}" ] && WINEPREFIX=$QUORVEX_WINEPREFIX wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    cat "$work/out.txt"
    exit 1
}
# The folder as a user unzips it: the settings are written there.
cp -r "$package" "$work/app"
rm -f "$work/app/Quorvex.ini"

start=$(date +%s%N)
"$wine_run" "$work/app/canquorvex.exe" --can demo --open-all >"$work/out.txt" 2>&1 &
app=$!
i=0
until xdotool search --onlyvisible --name '^CANQuorvex' >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 1800 ] && fail "no main window after 180 s"
    kill -0 "$app" 2>/dev/null || fail "canquorvex.exe ended before its main window showed"
    sleep 0.1
done
shown=$(date +%s%N)
echo "main window after $(((shown - start) / 1000000)) ms"
# The device windows of --open-all come up next; then the program is asked to close.
sleep 3
"$wine_run" taskkill /im canquorvex.exe >/dev/null 2>&1
i=0
while kill -0 "$app" 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 300 ] && fail "canquorvex.exe still runs 30 s after it was closed"
    sleep 0.1
done
wait "$app"
code=$?
app=
[ $code -eq 0 ] || fail "canquorvex.exe ended with $code"
grep -qi '^\[Modbus\]' "$work/app/Quorvex.ini" 2>/dev/null || fail "no window placement in Quorvex.ini"
echo "closed cleanly, settings written"
