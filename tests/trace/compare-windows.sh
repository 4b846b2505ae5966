#!/usr/bin/env bash
# Runs pelonix-trace from a native build and from a MinGW build (under Wine)
# and compares what they write, byte for byte: 200 presses as CSV, and a few
# other walks and formats. Prints one pass or fail line; exits 0 or 1.
#   tests/trace/compare-windows.sh NATIVE_BUILD_DIR MINGW_BUILD_DIR
set -u
repo=$(cd "$(dirname "$0")/../.." && pwd)

if [ $# -ne 2 ]; then
    echo "FAIL: usage: $0 NATIVE_BUILD_DIR MINGW_BUILD_DIR"
    exit 1
fi
native=$1/trace/pelonix-trace
windows=$2/trace/pelonix-trace.exe
for program in "$native" "$windows"; do
    if [ ! -f "$program" ]; then
        echo "FAIL: pelonix-trace native/Windows comparison: no $program (build it first)"
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=(
    "200 --format csv"
    "200"
    "--ops init,mul*10,reduce-all,one-more*20,reduce-3,extract --per-press --format markdown"
)
failed=()
for i in "${!cases[@]}"; do
    # Word splitting of the case is intended: each is a list of arguments.
    # shellcheck disable=SC2086
    "$native" ${cases[$i]} >"$work/native-$i" 2>"$work/native-$i.err"
    native_status=$?
    # shellcheck disable=SC2086
    "$repo/scripts/wine-run" "$windows" ${cases[$i]} >"$work/windows-$i" 2>"$work/windows-$i.err"
    windows_status=$?
    if [ $native_status -ne 0 ] || [ $windows_status -ne 0 ]; then
        failed+=("'${cases[$i]}' (status $native_status native, $windows_status Windows)")
    elif [ ! -s "$work/native-$i" ]; then
        failed+=("'${cases[$i]}' (nothing written)")
    elif ! cmp -s "$work/native-$i" "$work/windows-$i"; then
        failed+=("'${cases[$i]}' ($(cmp "$work/native-$i" "$work/windows-$i" 2>&1 | head -n 1))")
    fi
done

if [ ${#failed[@]} -eq 0 ]; then
    echo "PASS: pelonix-trace native and Windows builds write identical bytes (${#cases[@]} runs, 200 presses as CSV among them)"
    exit 0
fi
echo "FAIL: pelonix-trace native and Windows builds differ: ${failed[*]}"
exit 1
