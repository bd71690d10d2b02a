#!/bin/sh
# zelm-sim.exe and canquorvex-cli.exe of the Windows package under wine, on Qt's virtual CAN bus over
# loopback TCP: a read, a write read back, and a parameter set saved, changed and restored with
# --verify; then zelm-sim.exe ends on Ctrl+C (wine hands SIGINT to the console program as Ctrl+C)
# with its totals and exit code 0. Prints the wall time of the first read.
#   sh cli_sim.sh PACKAGE_FOLDER WINE_RUN
set -u
package=$1
wine_run=$2
export QUORVEX_WINE_PACKAGE=1
work=$(mktemp -d)
sim=
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- zelm-sim:"
    cat "$work/sim.txt"
    exit 1
}
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
bus="virtualcan:tcp://127.0.0.1:$port/can0"
printf '[Projects]\r\nProjectQua=1\r\nProject1=Sim\r\nProjectNum=1\r\n[Sim]\r\nProtokol=0\r\nUse_0=1\r\nName_0=Pump\r\nRXadr_0=0x100\r\nTXadr_0=0x110\r\nUse_1=1\r\nName_1=Fan\r\nRXadr_1=0x101\r\nTXadr_1=0x111\r\n' >"$work/Projects.ini"

# zelm-sim hosts the bus: the programs below join it once it says so.
"$wine_run" "$package/zelm-sim.exe" --can "$bus" --project "$work/Projects.ini" --name Sim --period 5 \
    >"$work/sim.txt" 2>&1 &
sim=$!
i=0
until grep -q "CAN connected" "$work/sim.txt"; do
    i=$((i + 1))
    [ $i -gt 600 ] && fail "zelm-sim did not connect"
    sleep 0.1
done

cli() {
    "$wine_run" "$package/canquorvex-cli.exe" --folder "$work" --can "$bus" "$@" >"$work/out.txt" 2>"$work/err.txt"
    code=$?
    [ $code -eq 0 ] || fail "canquorvex-cli $* ended with $code: $(cat "$work/err.txt")"
}

start=$(date +%s%N)
cli read Pump 96 88
end=$(date +%s%N)
grep '"register": *96[,}]' "$work/out.txt" | grep -q '"raw": *70[,}]' || fail "read: $(cat "$work/out.txt")"
echo "canquorvex-cli.exe read: $(((end - start) / 1000000)) ms"

cli write Pump 96 0x4D2
cli read Pump 96
grep -q '"raw": *1234[,}]' "$work/out.txt" || fail "write read back: $(cat "$work/out.txt")"

cli params save Fan "$work/fan.json" --registers 96-111
cli write Fan 100 7
cli params restore Fan "$work/fan.json" --verify --yes
cli params diff "$work/fan.json" --live Fan
echo "read, write and restore --verify passed"

kill -INT "$sim"
i=0
while kill -0 "$sim" 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "zelm-sim.exe still runs 10 s after Ctrl+C"
    sleep 0.1
done
wait "$sim"
code=$?
sim=
[ $code -eq 0 ] || fail "zelm-sim.exe ended with $code on Ctrl+C"
grep -q '^total: sent=' "$work/sim.txt" || fail "zelm-sim.exe ended on Ctrl+C without its totals"
echo "zelm-sim.exe ended cleanly on Ctrl+C"
