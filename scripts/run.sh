#!/usr/bin/env bash
# Builds Pelonix.exe and opens it: under Wine on Linux, on the current display.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/deps.sh"
"$repo/scripts/build.sh" mingw Pelonix >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    echo "Pelonix is a desktop program and there is no display: run this from a" >&2
    echo "desktop session, or set DISPLAY to an X display you can see." >&2
    exit 1
fi
# F1 may start Wine's own help viewer here, unlike in the tests.
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$repo/scripts/wine-env.sh"
pelonix_wine_prefix
exec wine "$repo/build/mingw/Pelonix.exe"
