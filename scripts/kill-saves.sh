#!/usr/bin/env bash
# Kills headless runs with SIGKILL at random moments while they save the settings file (the
# closing-cost panel's OK) or export a CSV, N times in all (default 100), and checks after
# each kill that both files are whole: the settings file holds either its old text or the
# new one, the CSV is absent or exactly the reference. At the end the temporary files the
# kills left are aged past a minute, and one more save must remove them. With strace at
# hand every fsync is held up by 100 ms, so that many kills land inside the write itself.
#
#   scripts/kill-saves.sh [N]      needs a Release build in build/
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-100}
bin=build/bin/quennary
[ -x "$bin" ] || { echo "build first: ./test or ./run"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ini=$tmp/QNRY.INI
csv=$tmp/schedule.csv

"$bin" --settings "$ini" --page Amort --csv "$tmp/reference.csv" >/dev/null 2>&1
slow=()
if command -v strace >/dev/null; then
  slow=(strace -f -qq -o "$tmp/trace" -e trace=fsync -e inject=fsync:delay_enter=100000)
fi
start_run() {  # starts "${args[@]}"; pid is the program's own process
  if [ ${#slow[@]} -gt 0 ]; then
    "${slow[@]}" "$bin" "${args[@]}" >/dev/null 2>&1 &
    tracer=$!
    pid=
    while [ -z "$pid" ] && kill -0 "$tracer" 2>/dev/null; do pid=$(pgrep -P "$tracer" || true); done
    pid=${pid:-$tracer}
  else
    "$bin" "${args[@]}" >/dev/null 2>&1 &
    pid=$!
  fi
}

panelOk() {  # the arguments of the panel's OK with appraisal fee $1
  args=(--settings "$ini" --page ECC --click btnCalcClosing --set "edtAF=$1"
        --click btnClosePnlClosing)
}
panelOk 300 && "$bin" "${args[@]}" >/dev/null 2>&1
[ -s "$ini" ] || { echo "no settings file written"; exit 1; }

# How long a save takes here from its start, so that the kills fall around its end, where
# it writes.
took=()
for i in 1 2 3; do
  panelOk 300 && start_run
  start=$(date +%s%N)
  wait
  took+=($(( ($(date +%s%N) - start) / 1000000 )))
done
run_ms=$(printf '%s\n' "${took[@]}" | sort -n | sed -n 2p)

killed=0 finished=0 torn=0 old=0 new=0 inside=0
for i in $(seq "$runs"); do
  cp "$ini" "$tmp/before"
  fee=$((1000 + i))
  sed "s/^AppraisalFee=.*/AppraisalFee=$fee/" "$tmp/before" >"$tmp/after"
  if (( i % 2 )); then panelOk "$fee"; else args=(--settings "$ini" --page Amort --csv "$csv"); fi
  start_run
  # From the middle of a run (the page is done, the file about to be written) to a little
  # after its end.
  delay=$(( run_ms * 4 / 10 + RANDOM % (run_ms * 7 / 10 + 1) ))
  sleep "$(awk -v ms="$delay" 'BEGIN { print ms / 1000 }')"
  if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); else finished=$((finished + 1)); fi
  wait 2>/dev/null || true
  # Killed in the first sync, the new file's: after its writes, before its rename.
  if [ ${#slow[@]} -gt 0 ] && grep -m1 'fsync(' "$tmp/trace" | grep -q '= ?'; then
    inside=$((inside + 1))
  fi
  if cmp -s "$ini" "$tmp/before"; then
    (( i % 2 == 0 )) || old=$((old + 1))
  elif cmp -s "$ini" "$tmp/after"; then
    new=$((new + 1))
  else
    echo "run $i: torn settings file"; torn=$((torn + 1))
  fi
  if [ -e "$csv" ] && ! cmp -s "$csv" "$tmp/reference.csv"; then
    echo "run $i: torn CSV"; torn=$((torn + 1))
  fi
done

left=$(find "$tmp" -name '*.save-*.tmp' | wc -l)
find "$tmp" -name '*.save-*.tmp' -exec touch -d '2 minutes ago' {} +
panelOk 999 && "$bin" "${args[@]}" >/dev/null 2>&1
"$bin" --settings "$ini" --page Amort --csv "$csv" >/dev/null 2>&1
stale=$(find "$tmp" -name '*.save-*.tmp' -mmin +1 | wc -l)
echo "$runs runs ($run_ms ms each): $killed killed ($inside of them inside a write)," \
  "$finished finished; settings saves killed before writing: $old, written: $new;" \
  "torn files: $torn;" \
  "temporary files left by kills: $left, older than a minute after the next saves: $stale"
[ "$torn" -eq 0 ] && [ "$stale" -eq 0 ]
