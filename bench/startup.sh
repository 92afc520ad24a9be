#!/usr/bin/env bash
# Start-up speed under Xvfb: milliseconds from process start to the splash painted and to
# the main window shown, median of N runs (default 5). Needs a Release build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
command -v xvfb-run >/dev/null || { echo "xvfb-run missing: apt-get install -y xvfb xauth"; exit 1; }
bin=build/bin/quennary
[ -x "$bin" ] || { echo "build first: ./test or ./run"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for i in $(seq "$runs"); do
  QUENNARY_TRACE_STARTUP=1 QUENNARY_QUIT_AFTER_START=1 \
    xvfb-run -a "$bin" --settings "$tmp/QNRY.INI" 2>>"$tmp/trace" >/dev/null || true
done
for label in splash-painted main-shown; do
  printf '%-15s median %s ms over %s runs\n' "$label" \
    "$(grep "^$label " "$tmp/trace" | awk '{print $2}' | median)" "$runs"
done
