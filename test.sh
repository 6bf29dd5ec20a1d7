#!/usr/bin/env bash
# Builds everything and runs every test offscreen.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build.sh"
cd "$top/build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
