#!/usr/bin/env bash
# Start-up speed on an X server of its own (Xvfb): milliseconds from process start to the
# first expose of the main window, against a bare Qt main window of the same size
# (build/bench/startup_bare) started the same way, and against the least a program like ours
# must show first (startup_bare --furnished: a splash with a name, then a window with menu
# titles, nine buttons and a status line). They run in turn, N rounds (default 20), in one X
# session; prints each median, the ratio of the medians and the median of the pairs' ratios,
# and the splash's time. Needs a Release build in build/.
#
#   bench/startup.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-20}
command -v Xvfb >/dev/null || { echo "Xvfb missing: apt-get install -y xvfb"; exit 1; }
bin=build/bin/quennary
bare=build/bench/startup_bare
[ -x "$bin" ] && [ -x "$bare" ] || { echo "build first: cmake --build build"; exit 1; }
tmp=$(mktemp -d)
xvfb=
bus=
cleanup() {
  [ -n "$bus" ] && kill "$bus" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# One X server for every run, so that none pays for starting it.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$tmp/display")
# A session bus of its own, as a desktop has one: without it Qt's accessibility check would
# start one through dbus-launch on the first run.
if command -v dbus-daemon >/dev/null; then
  dbus-daemon --session --nofork --print-address=4 4>"$tmp/bus" >/dev/null 2>&1 &
  bus=$!
  for _ in $(seq 100); do [ -s "$tmp/bus" ] && break; sleep 0.05; done
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")
fi

# Milliseconds to the label's trace line of one run, counted from the launcher's clock reading
# (the process start time in /proc comes in ticks of 10 ms).
run() {
  local label=$1
  shift
  QUENNARY_TRACE_STARTUP=1 QUENNARY_QUIT_AFTER_START=1 QUENNARY_TRACE_LAUNCH_NS=$(date +%s%N) \
    "$@" 2>"$tmp/trace" >/dev/null || true
  awk -v l="$label" '$1 == l {print $2}' "$tmp/trace"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# A first pair to warm the file cache; not counted.
run main-shown "$bare" >/dev/null
run main-shown "$bare" --furnished >/dev/null
run main-shown "$bin" --settings "$tmp/QNRY.INI" >/dev/null
: >"$tmp/pairs"
: >"$tmp/splash"
for _ in $(seq "$pairs"); do
  b=$(run main-shown "$bare")
  f=$(run main-shown "$bare" --furnished)
  m=$(run main-shown "$bin" --settings "$tmp/QNRY.INI")
  awk '$1 == "splash-painted" {print $2}' "$tmp/trace" >>"$tmp/splash"
  echo "$b $m $f" >>"$tmp/pairs"
done
medianOf() { awk -v c="$1" '{print $c}' "$tmp/pairs" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
bareMedian=$(medianOf 1)
mainMedian=$(medianOf 2)
furnishedMedian=$(medianOf 3)
pairRatio=$(awk '{printf "%.4f\n", $2 / $1}' "$tmp/pairs" | median)
printf 'bare window      median %6.1f ms\n' "$bareMedian"
printf 'furnished window median %6.1f ms\n' "$furnishedMedian"
printf 'main window      median %6.1f ms\n' "$mainMedian"
printf 'splash painted   median %6.1f ms\n' "$(median <"$tmp/splash")"
printf 'ratio %.2f (medians), %.2f (median of the pairs), %s pairs; furnished %.2f, main to furnished %.2f\n' \
  "$(ratio "$mainMedian" "$bareMedian")" "$pairRatio" "$pairs" \
  "$(ratio "$furnishedMedian" "$bareMedian")" "$(ratio "$mainMedian" "$furnishedMedian")"
