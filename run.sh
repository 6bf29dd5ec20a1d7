#!/usr/bin/env bash
# Builds teebook and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "teebook is built in build/bin, but there is no display to show its windows on." >&2
    echo "Start it from a desktop session (or set DISPLAY)." >&2
    exit 1
fi
exec "$top/build/bin/teebook"
