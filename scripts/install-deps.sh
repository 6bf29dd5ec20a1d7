#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are missing.
# Quiet and quick when all are present; uses sudo only when not already root.
# Off Debian it names the packages and stops, as there is no apt to ask.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "This is not a Debian system, so the packages cannot be installed here." >&2
    echo "teebook needs the equivalents of these Debian 12 packages: ${wanted[*]}" >&2
    exit 1
fi

# One query for all: the packages that are not fully installed.
mapfile -t missing < <(
    dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${wanted[@]}" 2>/dev/null |
        awk '$2 == "installed" { print $1 }' |
        sort | comm -13 - <(printf '%s\n' "${wanted[@]}" | sort)
)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
