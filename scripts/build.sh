#!/usr/bin/env bash
# Configures and builds one of the project's builds:
#   native    the engine and its tests with the host compiler
#   sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   mingw     Pelonix.exe and every test, for Windows, with MinGW-w64
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: build.sh native|sanitize|mingw [targets...]}
shift
case "$kind" in
    native)   args=() ;;
    sanitize) args=(-DPELONIX_SANITIZE=ON) ;;
    mingw)    args=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake") ;;
    *) echo "build.sh: unknown build '$kind'" >&2; exit 2 ;;
esac
cmake -S "$repo" -B "$repo/build/$kind" -G Ninja "${args[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$repo/build/$kind" "${targets[@]}"
