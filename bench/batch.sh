#!/usr/bin/env bash
# Lines a second through `quennary --batch -`, one process per batch of N lines (default 2000),
# median of R batches (default 5), for the Biweekly, Quick Calculator and closing-cost pages.
# The process's start (about 50 ms) is counted in. Needs a Release build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-2000}
runs=${2:-5}
bin=build/bin/quennary
[ -x "$bin" ] || { echo "build first: ./test or ./run"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Each line types other figures, as a script sweeping a range would.
make_lines() {
  local page=$1 i
  for ((i = 0; i < lines; i++)); do
    case $page in
      BW) printf '{"page":"BW","actions":[["set","edtMortgageAmount","%s"]]}\n' $((100000 + i)) ;;
      QC) printf '{"page":"QC","actions":[["click","btnCalcPMT"],["set","edtLA","%s"],%s,%s]}\n' \
            $((100000 + i)) '["set","EdtIR","6.5"],["set","EdtN","360"]' \
            '["click","BtnCalcQuickCalc"]' ;;
      ECC) printf '{"page":"ECC","actions":[["set","edtEccIncome","%s"]]}\n' $((5000 + i)) ;;
    esac
  done
}

for page in BW QC ECC; do
  make_lines "$page" >"$tmp/$page.jsonl"
  for ((r = 0; r < runs; r++)); do
    start=$(date +%s%N)
    "$bin" --settings "$tmp/QNRY.INI" --batch - <"$tmp/$page.jsonl" >"$tmp/out" 2>/dev/null \
      || true
    ns=$(( $(date +%s%N) - start ))
    [ "$(grep -c '"status":0' "$tmp/out")" -eq "$lines" ] \
      || { echo "$page: a line failed"; exit 1; }
    echo $(( lines * 1000000000 / ns ))
  done | sort -n | awk -v page="$page" -v lines="$lines" -v runs="$runs" '{a[NR]=$1} END {
    printf "%s: median %s lines/s (%s lines, %s batches)\n", page, a[int((NR+1)/2)], lines, runs}'
done
