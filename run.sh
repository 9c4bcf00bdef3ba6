#!/usr/bin/env bash
# Builds natalo.exe and starts it under Wine: on your display when there is one, otherwise
# under a private Xvfb for a few seconds, saving a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target natalo natalo-demo-seed
build=$PWD/build/windows
prefix=$build/wineprefix
tools/wine-prefix "$prefix"

if [ ! -e "$build/data.dat" ]; then
    tools/wine-run "$build/natalo-demo-seed.exe" "Z:${build//\//\\}"
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting Natalo; end it from its notification-area icon (\"&Close\")."
    exec tools/wine-run "$build/natalo.exe"
fi

shot=$build/natalo-screenshot.png
tools/with-display "$prefix" bash -c '
    "$1" "$2" &
    program=$!
    sleep 6
    import -window root "$3"
    kill $program 2>/dev/null || true
    WINEPREFIX="$4" wineserver -k 2>/dev/null || true
    wait 2>/dev/null || true
' run "$PWD/tools/wine-run" "$build/natalo.exe" "$shot" "$prefix"
echo "No display: ran Natalo under Xvfb for a few seconds. Screenshot: $shot"
