#!/usr/bin/env bash
# Checks that every C++ file git tracks is formatted as .clang-format says; lists the files
# that are not and fails. Changes nothing. With --fix, formats those files in place instead.
#
#   scripts/check-format.sh          check (for ./test)
#   scripts/check-format.sh --fix    format the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null || { echo "$format missing: apt-get install -y clang-format"; exit 2; }
fix=false
[ "${1:-}" = --fix ] && fix=true

status=0
while IFS= read -r -d '' file; do
  if ! "$format" --dry-run --Werror "$file" >/dev/null 2>&1; then
    if $fix; then
      "$format" -i "$file"
      echo "formatted: $file"
    else
      echo "not formatted: $file"
      status=1
    fi
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in')
exit $status
