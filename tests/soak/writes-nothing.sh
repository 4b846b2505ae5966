#!/usr/bin/env bash
# The program writes nothing: a session (every button, the About box, F1,
# Done; the Session test of soak_tests) in a Wine prefix made fresh for it,
# with Pelonix.exe alone in a folder of its own and an empty working
# folder. Afterwards neither folder, nor the prefix's drive C:, may hold a
# file that was not there before. Needs an X display (DISPLAY).
# Usage: writes-nothing.sh Pelonix.exe soak_tests.exe
set -uo pipefail
exe=${1:?usage: writes-nothing.sh Pelonix.exe soak_tests.exe}
driver=${2:?usage: writes-nothing.sh Pelonix.exe soak_tests.exe}
repo=$(cd "$(dirname "$0")/../.." && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/pelonix-writes-nothing.XXXXXX") || exit 1
export PELONIX_WINEPREFIX=$scratch/prefix
source "$repo/scripts/wine-env.sh"
cleanup() {
    timeout 60 wineserver -k 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

mkdir -p "$scratch/program" "$scratch/work"
cp "$exe" "$scratch/program/Pelonix.exe"
pelonix_wine_prefix || exit 1

# Every file below a folder, with its size, as a sorted list.
listing() { (cd "$1" && find . -type f -printf '%p %s\n' | LC_ALL=C sort); }
listing "$scratch/program" >"$scratch/program.before"
listing "$scratch/work" >"$scratch/work.before"
listing "$WINEPREFIX/drive_c" >"$scratch/drive_c.before"

(cd "$scratch/work" && timeout --kill-after=10 300 wine "$driver" --gtest_filter='Session.*' \
    "Z:${scratch//\//\\}\\program\\Pelonix.exe") | tee "$scratch/session.log"
status=${PIPESTATUS[0]}
# A Wine process whose server goes away ends with status 0: the session
# counts as passed only on GoogleTest's own word.
if [ "$status" -eq 0 ] && ! grep -q '^\[  PASSED  \] 1 test\.' "$scratch/session.log"; then
    status=1
fi
# Wine may still be finishing its writes: let its server end first.
timeout 60 wineserver -w

failed=0
[ "$status" -eq 0 ] || { echo "FAILED: the session ended with status $status"; failed=1; }
for place in program work drive_c; do
    case $place in
        program|work) dir=$scratch/$place ;;
        drive_c) dir=$WINEPREFIX/drive_c ;;
    esac
    listing "$dir" >"$scratch/$place.after"
    added=$(LC_ALL=C comm -13 "$scratch/$place.before" "$scratch/$place.after")
    if [ -n "$added" ]; then
        echo "FAILED: files new or changed in $place after the session:"
        sed 's/^/    /' <<<"$added"
        failed=1
    else
        echo "ok: nothing written in $place ($(wc -l <"$scratch/$place.after") files, as before)"
    fi
done
exit "$failed"
