#!/usr/bin/env bash
# Runs the file speed benchmark under Wine on a virtual display and prints its
# figures. Usage: bench/run_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$top/build}
bench=$root/win64/bench/file_speed_bench.exe

if [ ! -f "$root/win64/build.ninja" ]; then
    echo "No Windows x86_64 build in $root: run scripts/build.sh $root first." >&2
    exit 1
fi
cmake --build "$root/win64" --target file_speed_bench >"$root/bench-build.log" 2>&1 ||
    { cat "$root/bench-build.log"; exit 1; }

# shellcheck source=../scripts/wine_session.sh
source "$top/scripts/wine_session.sh"
wine_session_start "$root/wineprefix" virtual
log=$root/bench-file-speed.log
status=0
"$WINE" "$bench" >"$log" 2>&1 || status=$?
wine_session_stop
grep -v -e 'syswow64' -e '^wine: ' "$log" || true
exit "$status"
