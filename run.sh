#!/usr/bin/env bash
# Builds natalo.exe and starts it under Wine: on your display when there is one, otherwise
# under a private Xvfb for a few seconds, saving a screenshot.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target natalo natalo-demo-seed
build=$PWD/build/windows

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting Natalo; end it from its notification-area icon (\"&Close\")."
    exec tools/with-display "$build/wineprefix" tools/run-natalo "$build"
fi

shot=$build/natalo-screenshot.png
tools/with-display "$build/wineprefix" tools/run-natalo "$build" "$shot"
echo "No display: ran Natalo under Xvfb for a few seconds. Screenshot: $shot"
