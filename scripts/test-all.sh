#!/usr/bin/env bash
# Builds and runs every test: the engine natively and under the sanitizers,
# then Pelonix.exe and all tests for Windows, run under Wine on a virtual
# display. Installs what is missing first.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
"$repo/scripts/deps.sh" || exit 1
source "$repo/scripts/xvfb.sh"
source "$repo/scripts/wine-env.sh"

passed=0
failed=0
failures=()
log_dir="$repo/build/test-logs"
mkdir -p "$log_dir"

# Runs one suite of CTest tests and adds its counts to the totals.
run_ctest() {
    local name=$1 dir=$2
    echo "== $name"
    ctest --test-dir "$dir" --output-on-failure --timeout 900 2>&1 | tee "$log_dir/$name.log"
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log_dir/$name.log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1)); failures+=("$name: ran no test")
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad)); failed=$((failed + bad))
    [ "$bad" -eq 0 ] || failures+=("$name: $bad failed")
}

# Runs one build; a build that fails counts as one failed test.
build() {
    echo "== build $1"
    if ! "$repo/scripts/build.sh" "$1" >"$log_dir/build-$1.log" 2>&1; then
        tail -40 "$log_dir/build-$1.log"
        failed=$((failed + 1)); failures+=("build $1 failed")
        return 1
    fi
}

build native && run_ctest native "$repo/build/native"
build sanitize && run_ctest sanitize "$repo/build/sanitize"
if build mingw; then
    pelonix_start_xvfb || exit 1
    pelonix_wine_prefix || exit 1
    run_ctest windows "$repo/build/mingw"
    if [ -x "$repo/tests/trace/compare-windows.sh" ]; then
        echo "== trace: Windows build against native"
        if "$repo/tests/trace/compare-windows.sh" "$repo/build/native" "$repo/build/mingw"; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1)); failures+=("trace: Windows output differs")
        fi
    fi
    timeout 60 wineserver -k 2>/dev/null
fi

echo
for f in "${failures[@]+"${failures[@]}"}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
