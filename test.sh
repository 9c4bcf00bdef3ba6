#!/usr/bin/env bash
# Builds everything and runs all tests: the portable core natively with sanitizers, then
# the Windows build (core, windows and end-to-end tests) under Wine.
set -uo pipefail
cd "$(dirname "$0")"
tools/install-packages || exit 1
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
cmake --preset native >/dev/null && cmake --build --preset native -j "$jobs" || exit 1
ctest --preset native -j "$jobs" 2>&1 | tee -a "$log" || status=1

cmake --preset windows >/dev/null && cmake --build --preset windows -j "$jobs" || exit 1
tools/with-display "$PWD/build/windows/wineprefix" \
    ctest --preset windows 2>&1 | tee -a "$log" || status=1

# One closing line over both runs.
read -r passed failed < <(awk '/tests passed, [0-9]+ tests failed out of/ {
    total += $NF; failed += $4 } END { print total - failed, failed + 0 }' "$log")
echo "natalo: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ] || status=1
exit $status
