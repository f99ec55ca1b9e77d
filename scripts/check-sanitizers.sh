#!/usr/bin/env bash
# Runs after the Linux suite: a build of everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and the whole test suite in it; a bounded
# `kestrow validate` of the module that build made; and the libFuzzer targets,
# built with clang, each run for a bounded time from its committed corpus.
# Installs clang and its runtime libraries with apt when they are missing.
# Every step runs even when an earlier one fails; the script fails when any did.
#
#   KESTROW_SANITIZE_BUILD_DIR  sanitizer build (default: build-asan)
#   KESTROW_FUZZ_BUILD_DIR      fuzz targets' build (default: build-fuzz)
#   KESTROW_VALIDATE_RUNS       random sessions of the validation (default: 100)
#   KESTROW_FUZZ_SECONDS        seconds per fuzz target (default: 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROW_SANITIZE_BUILD_DIR:-$root/build-asan}
fuzz_build=${KESTROW_FUZZ_BUILD_DIR:-$root/build-fuzz}
runs=${KESTROW_VALIDATE_RUNS:-100}
fuzz_seconds=${KESTROW_FUZZ_SECONDS:-20}
jobs=$(nproc)

"$root/scripts/setup.sh"
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "check-sanitizers: installing ${missing[*]}"
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

failed=()
# Runs one step, says how long it took, and notes it when it fails.
step() {
    local name=$1 start=$SECONDS
    shift
    if "$@"; then
        echo "check-sanitizers: $name passed in $((SECONDS - start)) s"
    else
        echo "check-sanitizers: $name FAILED after $((SECONDS - start)) s" >&2
        failed+=("$name")
    fi
}

# The project's compiler for the suite; clang, which libFuzzer needs, only
# for the fuzz targets (its sanitizer runtime is not linked into modules).
# The suite builds without optimisation, which with the sanitizers is by far
# the quickest to compile; the fuzz targets with -O1, as libFuzzer advises.
build_suite() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKESTROW_SANITIZE=ON \
        -DKESTROW_BUILD_BENCHMARKS=OFF >/dev/null &&
        cmake --build "$build" -j"$jobs" >/dev/null
}
build_fuzzers() {
    cmake -S "$root" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-O1 -gline-tables-only" \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKESTROW_SANITIZE=ON -DKESTROW_FUZZ=ON \
        -DKESTROW_BUILD_TESTS=OFF -DKESTROW_BUILD_BENCHMARKS=OFF >/dev/null &&
        cmake --build "$fuzz_build" -j"$jobs" \
            --target kestrow_fuzz_resources kestrow_fuzz_items kestrow_fuzz_parameters >/dev/null
}
step "sanitizer build" build_suite
step "fuzz targets' build" build_fuzzers

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan-suppressions.txt
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

validate() {
    "$build/cli/kestrow" validate --module "$build/plugin/Kestrow.so" --quick --runs "$runs"
}
if [ -x "$build/cli/kestrow" ]; then
    step "test suite under the sanitizers" ctest --test-dir "$build" --output-on-failure -j"$jobs"
    step "kestrow validate" validate
fi

# Each target starts from its committed corpus; what it finds on the way is
# kept in a scratch folder, and a failing input is printed.
fuzz() {
    local target=$1 corpus=$2 scratch
    scratch=$(mktemp -d)
    local status=0
    (cd "$scratch" && "$fuzz_build/fuzz/$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$scratch" "$root/fuzz/corpus/$corpus" >"$scratch/log" 2>&1) || status=$?
    grep -E "^(Done|stat::number_of_executed_units)" "$scratch/log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$scratch/log" >&2
        for artifact in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
            [ -e "$artifact" ] && echo "failing input ($artifact): $(base64 -w0 "$artifact")" >&2
        done
    fi
    rm -rf "$scratch"
    return "$status"
}
if [ -x "$fuzz_build/fuzz/kestrow_fuzz_parameters" ]; then
    step "fuzz resource readers" fuzz kestrow_fuzz_resources resources
    step "fuzz item parser" fuzz kestrow_fuzz_items items
    step "fuzz parameter reader" fuzz kestrow_fuzz_parameters parameters
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "check-sanitizers: failed: ${failed[*]}" >&2
    exit 1
fi
