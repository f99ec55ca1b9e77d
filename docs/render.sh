#!/usr/bin/env bash
# Draws the README's pictures of the dialogs with a built kestrow command
# (default: the one in build/). Each run must succeed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kestrow=${1:-$here/../build/cli/kestrow}
cd "$here"
"$kestrow" play --doc 1200x800@300 --dialog dialog-start.txt >/dev/null
"$kestrow" play --doc 1200x800@300 --dialog dialog-absolute.txt >/dev/null
"$kestrow" about --render about.png >/dev/null
echo "drew dialog-start.png, dialog-absolute.png and about.png in $here"
