#!/usr/bin/env bash
# Installs what is missing, builds, and starts Datolux; with the ACT! stand-in built, the demo
# database is created (once) and opened in it first, so Datolux has a running ACT! to talk to.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build "$root/scripts/build.sh"
demo=${DATOLUX_DEMO_DIR:-$HOME/.local/share/Datolux/demo}
if [ -x "$build/apps/actserver/actserver" ]; then
    if [ ! -e "$demo/DEMO.dbf" ]; then
        mkdir -p "$demo"
        "$build/apps/actserver/actserver" --create-demo "$demo/DEMO"
    fi
    "$build/apps/actserver/actserver" "$demo/DEMO.dbf" &
    trap 'kill %1 2>/dev/null || true' EXIT
fi
"$build/apps/datolux/datolux" "$@"
