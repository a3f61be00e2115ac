#!/usr/bin/env bash
# Builds and runs the set-out benchmark natively, as the program is built (-O2) and without the
# sanitizers of the test build. Usage: bench/run_set_out_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$top/build}
dir=$root/native-bench
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; exit 1; }
fi
cmake --build "$dir" --target set_out_bench >"$dir.build.log" 2>&1 || { cat "$dir.build.log"; exit 1; }
"$dir/bench/set_out_bench"
