#!/usr/bin/env bash
# Builds everything and runs the plug-in in the simulated editor: a relative
# margin of 20 pixels at the top and 10 at the left of a 1000 x 500 document.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROW_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
"$build/cli/kestrow" play --doc 1000x500@72 Top=20 Left=int:10 RlrU=RlrU:RrPx "$@"
