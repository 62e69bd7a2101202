#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the whole run sits inside a
# virtual X display and a private session bus, so window-search and D-Bus tests find both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- \
    ctest --output-on-failure -j "$(nproc)" "$@"
