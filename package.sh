#!/usr/bin/env bash
# Builds natalo.exe and writes its two packages for Windows users into build/package/:
# natalo-<version>-x64.msi, the per-user installer, and natalo-<version>-x64.zip, the
# portable program. NATALO_VERSION=2.0.0 ./package.sh stamps the same program with
# another version, to try an upgrade.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target packages
