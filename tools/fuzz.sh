#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each one over a copy of its seed
# corpus (fuzz/corpus/<target>/) for the given number of seconds. Fails when any target
# finds a crash; its input is kept in build-fuzz/crashes/.
# Usage: tools/fuzz.sh [seconds, default 20] [target ...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
build=$here/build-fuzz

packages=(cmake ninja-build clang libclang-rt-14-dev pkg-config libicu-dev libssl-dev libcli11-dev)
. "$here/tools/packages.sh"
install_missing "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$build"
buildlog=$build/fuzz-build.log
if ! { CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVORA_BUILD_FUZZ=ON -DTALVORA_SANITIZE=ON \
        -DTALVORA_BUILD_UI=OFF -DTALVORA_BUILD_BENCH=OFF -DTALVORA_BUILD_TESTS=OFF &&
       cmake --build "$build" --target fuzzers; } >"$buildlog" 2>&1; then
    tail -n 40 "$buildlog"
    echo "Fuzzing failed: the fuzz targets did not build (log: $buildlog)."
    exit 1
fi

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for d in "$here"/fuzz/corpus/*/; do
        targets+=("$(basename "$d")")
    done
fi

# Runs work in a scratch folder (in memory when it can), so the committed corpora stay as
# they are and the key file target's many small files cost little.
base=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
scratch=$(mktemp -d "$base/talvora-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/tmp"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
total=0
for t in "${targets[@]}"; do
    exe=$build/fuzz/$t
    if [ ! -x "$exe" ] || [ ! -d "$here/fuzz/corpus/$t" ]; then
        echo "$t: no such fuzz target" >&2
        failed+=("$t")
        continue
    fi
    corpus=$scratch/corpus-$t
    cp -r "$here/fuzz/corpus/$t" "$corpus"
    log=$scratch/$t.log
    status=0
    TMPDIR=$scratch/tmp "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$scratch/$t-" "$corpus" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    start=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
    end=$(grep -o '^#[0-9]*.*cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    inputs=$(grep -c '^#[0-9]*[[:space:]]*NEW ' "$log" || true)
    total=$((total + ${runs:-0}))
    if [ "$status" -eq 0 ]; then
        result=ok
    else
        result="FAILED (exit $status)"
        failed+=("$t")
    fi
    printf '%-18s %10s runs, coverage %s -> %s (%s new inputs), %s\n' \
        "$t" "${runs:-?}" "${start:-?}" "${end:-?}" "$inputs" "$result"
    if [ "$status" -ne 0 ]; then
        mkdir -p "$build/crashes"
        for a in "$scratch/$t-"*; do
            [ -e "$a" ] && cp "$a" "$build/crashes/" && echo "  input kept: $build/crashes/$(basename "$a")"
        done
        echo "  last lines of the log:"
        tail -n 40 "$log" | sed 's/^/    /'
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing failed: ${failed[*]} (${#targets[@]} targets, $total runs, ${seconds}s each)."
    exit 1
fi
echo "Fuzzing passed: ${#targets[@]} targets, $total runs, ${seconds}s each, no crash."
