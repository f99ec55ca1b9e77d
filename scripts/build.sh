#!/usr/bin/env bash
# Configures and builds the Linux module, host, command, tests and benchmarks
# into build/ (or $KESTROW_BUILD_DIR), after installing what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROW_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
