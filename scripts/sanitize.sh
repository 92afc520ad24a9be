#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and
# runs them headless; any report fails the run (the sanitizers abort the test on the first).
#
#   scripts/sanitize.sh                    every test
#   scripts/sanitize.sh -R 'core|settings' the tests ctest selects (arguments go to ctest)
#
# SANITIZE_TARGETS="core_test_fuzz ..." builds only those targets instead of every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

dir=build-sanitize
# float-cast-overflow is not part of "undefined" with GCC, but a double cast to an integer
# out of range is exactly the kind of fault the loan arithmetic must not have.
flags="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all"
flags+=" -fno-omit-frame-pointer"
configure "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENNARY_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_EXE_LINKER_FLAGS=$flags"

# The machine is shared: two jobs at most.
if [ -n "${SANITIZE_TARGETS:-}" ]; then
  # shellcheck disable=SC2086
  cmake --build "$dir" -j2 --target $SANITIZE_TARGETS
else
  cmake --build "$dir" -j2
fi

export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches alive until exit on purpose, which LeakSanitizer reports
# as leaks of the test runs; those reports are not ours, so leak detection is off.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$dir" --output-on-failure -j2 "$@"
