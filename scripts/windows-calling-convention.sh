#!/usr/bin/env bash
# Checks that every function crossing the module boundary states its calling
# convention: the plug-in's and the host's sources of a Windows build
# (BUILD, default build-win32/) are compiled once more with stdcall as the
# default (-mrtd). A function handed over as a suite entry or a plug-in
# procedure without HOSTCALL then no longer matches its pointer type, which
# is an error. Errors inside the compiler's own C++ library (not written
# for -mrtd) are not ours and are left out. Prints nothing when all is well.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-win32}

python3 - "$root" "$build/compile_commands.json" <<'PY'
import json, re, shlex, subprocess, sys
root, database = sys.argv[1], sys.argv[2]
checked = ("plugin/", "host/", "tests/host/module/")
error = re.compile(r"^(.*?):\d+:\d+: error: ")
failed = 0
count = 0
for entry in json.load(open(database)):
    source = entry["file"]
    if not any(source.startswith(f"{root}/{part}") for part in checked):
        continue
    count += 1
    command = shlex.split(entry["command"]) + ["-mrtd", "-fsyntax-only"]
    result = subprocess.run(command, cwd=entry["directory"], capture_output=True, text=True)
    ours = [line for line in result.stderr.splitlines()
            if (m := error.match(line)) and not m.group(1).startswith("/usr/")]
    if ours or (result.returncode != 0 and "error:" not in result.stderr):
        failed += 1
        print("\n".join(ours or result.stderr.splitlines()[:20]))
if count == 0:
    print(f"windows-calling-convention: no plug-in or host sources in {database}")
    sys.exit(1)
sys.exit(1 if failed else 0)
PY
