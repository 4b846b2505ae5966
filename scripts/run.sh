#!/usr/bin/env bash
# Builds Pelonix.exe and opens it: under Wine on Linux, on the current display.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/deps.sh"
"$repo/scripts/build.sh" mingw Pelonix >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    echo "Pelonix needs a display: run this from a desktop session, or set DISPLAY" >&2
    echo "(for a virtual one: xvfb-run scripts/run.sh)." >&2
    exit 1
fi
# F1 may start Wine's own help viewer here, unlike in the tests.
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$repo/scripts/wine-env.sh"
pelonix_wine_prefix
exec wine "$repo/build/mingw/Pelonix.exe"
