#!/usr/bin/env bash
# Builds the game's libFuzzer target (clang, with the address and
# undefined-behaviour sanitizers) in build-fuzz and runs it on a temporary copy
# of the seed corpus tests/fuzz/corpus. Every input is a script of key presses,
# waits and a close for a fresh headless game (tests/fuzz/fuzz_input.h); the
# driver aborts on any broken rule of the game (tests/fuzz/game_driver.h).
#
# Usage: scripts/fuzz-game.sh smoke          about 60 seconds (make test runs this)
#        scripts/fuzz-game.sh long MINUTES   a campaign of MINUTES minutes
#
# Prints executions, coverage and crashes, and exits non-zero on a crash. The
# crashing inputs are kept in build-fuzz/fuzz-crashes/; replay one with
#   build-fuzz/tests/fuzz/game_fuzzer build-fuzz/fuzz-crashes/crash-...
# and shrink it with -minimize_crash=1 -runs=10000. A long campaign keeps the
# corpus it grew in build-fuzz/fuzz-corpus-long/.
# FUZZ_BUILD sets the build directory, FUZZ_JOBS the build's parallel jobs (2).
set -euo pipefail

usage() {
    sed -n '8,9p' "$0" | sed 's/^# //' >&2
    exit 2
}

root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
jobs=${FUZZ_JOBS:-2}

mode=${1:-}
case "$mode" in
    smoke)
        seconds=60
        ;;
    long)
        [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || usage
        seconds=$(($2 * 60))
        ;;
    *)
        usage
        ;;
esac

command -v clang++ >/dev/null || {
    echo "fuzz-game: clang++ is missing (scripts/install-deps.sh test installs it)" >&2
    exit 1
}

echo "fuzz-game: building game_fuzzer in $build"
mkdir -p "$build"
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
    -DWF_FUZZ=ON -DWF_BENCH=OFF >"$build/fuzz-configure.log" 2>&1 || {
    cat "$build/fuzz-configure.log" >&2
    exit 1
}
cmake --build "$build" --target game_fuzzer -j "$jobs" >"$build/fuzz-build.log" 2>&1 || {
    tail -n 40 "$build/fuzz-build.log" >&2
    exit 1
}
fuzzer=$build/tests/fuzz/game_fuzzer

work=$(mktemp -d "${TMPDIR:-/tmp}/wf-fuzz-game.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/tmp" "$build/fuzz-crashes"
cp "$root"/tests/fuzz/corpus/* "$work/corpus/"
before=$(find "$build/fuzz-crashes" -type f | wc -l)

echo "fuzz-game: fuzzing for $seconds s"
status=0
# The fuzzer's private directories for string.txt go under $work/tmp.
TMPDIR="$work/tmp" "$fuzzer" "$work/corpus" -max_total_time="$seconds" -max_len=2048 \
    -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-crashes/" >"$work/log" 2>&1 || status=$?

if [ "$mode" = long ]; then
    rm -rf "$build/fuzz-corpus-long"
    cp -r "$work/corpus" "$build/fuzz-corpus-long"
    cp "$work/log" "$build/fuzz-long.log"
fi

execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$work/log" | tail -n 1 || true)
units=$(find "$work/corpus" -type f | wc -l)
after=$(find "$build/fuzz-crashes" -type f | wc -l)
crashes=$((after - before))
echo "fuzz-game: ${execs:-?} executions, ${cov:-no coverage line}, corpus $units inputs," \
     "$crashes new crashes in $build/fuzz-crashes"
if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    grep -E 'ERROR|game rule broken|SUMMARY|Test unit written' "$work/log" | head -n 20 >&2 || true
    echo "fuzz-game: FAILED (fuzzer status $status)" >&2
    exit 1
fi
