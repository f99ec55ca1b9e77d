#!/usr/bin/env bash
# Builds the Windows module, host, command and tests with the mingw-w64 cross
# toolchain into build-win32/, checks the calling conventions at the module
# boundary, and runs the Windows test suite under 32-bit Wine: each test
# program once, then kestrow's reports with the Windows
# module compared with those of the Linux command with the Linux module
# (built into build-winlinux/, or KESTROW_LINUX_BUILD_DIR). Sets up what is
# missing first (scripts/windows-setup.sh). Exits non-zero when anything
# fails; the last line reads "windows: N passed, M failed".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROW_WIN32_BUILD_DIR:-$root/build-win32}
linux_build=${KESTROW_LINUX_BUILD_DIR:-$root/build-winlinux}
jobs=${KESTROW_JOBS:-2}
logs=$build/wine-logs
start=$SECONDS

"$root/scripts/windows-setup.sh"
. "$root/scripts/windows-env.sh"

# Runs a build step quietly; shows the end of its log when it fails.
quiet() {
    local log=$1; shift
    if ! "$@" >"$log" 2>&1; then
        echo "windows-test: failed: $*" >&2
        grep -E "error|Error" "$log" | head -n 40 >&2 || tail -n 40 "$log" >&2
        exit 1
    fi
}

mkdir -p "$build" "$linux_build"
# -O2 without debug information: the statically linked test programs stay
# small, and the build is quicker.
quiet "$build/configure.log" cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG"
quiet "$build/build.log" cmake --build "$build" -j"$jobs"
if [ ! -e "$linux_build/CMakeCache.txt" ]; then
    quiet "$linux_build/configure.log" cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
quiet "$linux_build/build.log" cmake --build "$linux_build" -j"$jobs" --target kestrow Kestrow
echo "windows-test: built in $((SECONDS - start)) s"

rm -rf "$logs"
mkdir -p "$logs"
passed=0
failed=0
failures=()

# Every function that crosses the module boundary states its calling convention.
if "$root/scripts/windows-calling-convention.sh" "$build" >"$logs/calling-convention.log" 2>&1; then
    passed=$((passed + 1))
    echo "windows-test: calling conventions: stated on every boundary function"
else
    failed=$((failed + 1))
    failures+=("calling conventions")
    cat "$logs/calling-convention.log"
fi

# One Wine session for the whole suite: the server stays up between the
# programs, so only the first one pays for starting it.
WINEPREFIX=$KESTROW_WINE32_PREFIX wineserver -p >/dev/null 2>&1
trap 'WINEPREFIX=$KESTROW_WINE32_PREFIX wineserver -k >/dev/null 2>&1 || true' EXIT

# The test programs, each run once. Output goes to files: Wine's background
# processes would otherwise keep a pipe open after the program ends.
cd "$build"
for program in tests/*/kestrow_*_tests.exe; do
    name=$(basename "$program" .exe)
    set +e
    # GoogleTest takes a path without a drive letter as relative; / is drive Z:.
    kestrow_wine32 "$program" --gtest_output="xml:Z:$logs/$name.xml" >"$logs/$name.log" 2>&1 </dev/null
    status=$?
    counts=$(sed -n 's/.*<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="[0-9]*" errors="\([0-9]*\)".*/\1 \2 \3/p' \
             "$logs/$name.xml" 2>/dev/null | head -n 1)
    set -e
    read -r total bad errors <<<"${counts:-0 0 0}"
    passed=$((passed + total - bad - errors))
    failed=$((failed + bad + errors))
    if [ "$status" -ne 0 ] || [ "$total" -eq 0 ] || [ "$bad" -ne 0 ] || [ "$errors" -ne 0 ]; then
        # A program that stopped early or ran nothing counts as one more failure.
        if [ "$bad" -eq 0 ] && [ "$errors" -eq 0 ]; then failed=$((failed + 1)); fi
        failures+=("$name (exit $status, $bad of $total tests failed)")
        grep -E "^\[  FAILED  \]|Failure|error" "$logs/$name.log" | head -n 40 || tail -n 20 "$logs/$name.log"
    fi
    echo "windows-test: $name: $total tests, $bad failed, exit $status"
done

# The command's reports: the same words with either module, line ends aside.
linux_kestrow=$linux_build/cli/kestrow
linux_module=$linux_build/plugin/Kestrow.so
win_kestrow=$build/cli/kestrow.exe
win_module=$build/plugin/Kestrow.8li
run=0
while IFS= read -r line; do
    line=${line%%#*}
    [ -n "${line// /}" ] || continue
    run=$((run + 1))
    eval "args=($line)"
    set +e
    (cd "$root/tests/windows" && "$linux_kestrow" "${args[@]}" --module "$linux_module") \
        >"$logs/report$run.linux" 2>&1 </dev/null
    linux_status=$?
    (cd "$root/tests/windows" && kestrow_wine32 "$win_kestrow" "${args[@]}" --module "$win_module") \
        >"$logs/report$run.windows.raw" 2>&1 </dev/null
    win_status=$?
    set -e
    tr -d '\r' <"$logs/report$run.windows.raw" | sed "s#$win_module#MODULE#g" >"$logs/report$run.windows"
    sed -i "s#$linux_module#MODULE#g" "$logs/report$run.linux"
    if [ "$linux_status" -eq "$win_status" ] && cmp -s "$logs/report$run.linux" "$logs/report$run.windows"; then
        passed=$((passed + 1))
        echo "windows-test: kestrow $line: same report (exit $win_status)"
    else
        failed=$((failed + 1))
        failures+=("kestrow $line")
        echo "windows-test: kestrow $line: reports differ (exit $linux_status on Linux, $win_status on Windows)"
        diff "$logs/report$run.linux" "$logs/report$run.windows" | head -n 20 || true
    fi
done <"$root/tests/windows/report-runs.txt"

imports=$(i686-w64-mingw32-objdump -p "$win_module" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
echo "windows-test: Kestrow.8li is $(stat -c %s "$win_module") bytes and imports ${imports:-nothing}"
echo "windows-test: ran in $((SECONDS - start)) s; logs in $logs"
for failure in "${failures[@]}"; do echo "windows-test: FAILED $failure"; done
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
