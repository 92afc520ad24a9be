#!/usr/bin/env bash
# A whole headless page run as a process, milliseconds from start to exit, median of N runs
# (default 20). Needs a Release build in build/. Extra arguments replace the default run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
shift || true
bin=build/bin/quennary
[ -x "$bin" ] || { echo "build first: ./test or ./run"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
args=("$@")
[ ${#args[@]} -gt 0 ] || args=(--page BW --set edtMortgageAmount=120000 --fields)

for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$bin" --settings "$tmp/QNRY.INI" "${args[@]}" >/dev/null 2>&1 || true
  echo $(( ($(date +%s%N) - start) / 1000000 ))
done | sort -n | awk -v runs="$runs" -v what="${args[*]}" \
  '{a[NR]=$1} END {printf "%s: median %s ms over %s runs\n", what, a[int((NR+1)/2)], runs}'
