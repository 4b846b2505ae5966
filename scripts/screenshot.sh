#!/usr/bin/env bash
# Takes the README's pictures on a virtual display: the main dialog after
# Initialize Pi and two presses of Compute One More Digit, and the About box.
# Wine's virtual desktop draws the captions, as a window manager would.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/deps.sh"
"$repo/scripts/build.sh" mingw Pelonix pelonix-drive >/dev/null
source "$repo/scripts/xvfb.sh"
source "$repo/scripts/wine-env.sh"
pelonix_start_xvfb
pelonix_wine_prefix
out="$repo/docs"
mkdir -p "$out"
desktop="/desktop=Pelonix,920x560"
bin="$repo/build/mingw"

# The dialog's caption is drawn once it is shown; wait for the picture to settle.
shoot() {
    sleep 2
    import -window root -crop 920x560+0+0 +repage "$1"
    echo "wrote $1"
}

timeout 120 wine explorer "$desktop" "$bin/Pelonix.exe" &
app=$!
timeout 60 wine explorer "$desktop" "$bin/tests/pelonix-drive.exe" 1012 1027 1027
shoot "$out/pelonix.png"
timeout 60 wine explorer "$desktop" "$bin/tests/pelonix-drive.exe" about
shoot "$out/about.png"
timeout 30 wineserver -k || true
wait $app 2>/dev/null || true
