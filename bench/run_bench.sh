#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the point trace, the whole line and
# the search and pagination natively (a build without sanitizers,
# BUILD_ROOT/native-release), then the file speed, the point trace, the whole line
# and the search benchmarks under Wine on a virtual display.
# Usage: bench/run_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
status=0
top=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$top/build}
bench=$root/win64/bench/file_speed_bench.exe

if [ ! -f "$root/win64/build.ninja" ]; then
    echo "No Windows x86_64 build in $root: run scripts/build.sh $root first." >&2
    exit 1
fi
cmake --build "$root/win64" --target file_speed_bench point_trace_bench line_bench search_print_bench >"$root/bench-build.log" 2>&1 ||
    { cat "$root/bench-build.log"; exit 1; }
if [ ! -f "$root/native-release/build.ninja" ]; then
    cmake -S "$top" -B "$root/native-release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >>"$root/bench-build.log" 2>&1 ||
        { cat "$root/bench-build.log"; exit 1; }
fi
cmake --build "$root/native-release" --target point_trace_bench line_bench search_print_bench >>"$root/bench-build.log" 2>&1 ||
    { cat "$root/bench-build.log"; exit 1; }
echo "== Point trace, native"
"$root/native-release/bench/point_trace_bench" || status=$?
echo "== The whole line, native"
"$root/native-release/bench/line_bench" || status=$?
echo "== Search and print pagination, native"
"$root/native-release/bench/search_print_bench" || status=$?

# shellcheck source=../scripts/wine_session.sh
source "$top/scripts/wine_session.sh"
wine_session_start "$root/wineprefix" virtual
log=$root/bench-file-speed.log
"$WINE" "$bench" >"$log" 2>&1 || status=$?
points_log=$root/bench-point-trace.log
"$WINE" "$root/win64/bench/point_trace_bench.exe" >"$points_log" 2>&1 || status=$?
line_log=$root/bench-line.log
"$WINE" "$root/win64/bench/line_bench.exe" >"$line_log" 2>&1 || status=$?
search_log=$root/bench-search-print.log
"$WINE" "$root/win64/bench/search_print_bench.exe" >"$search_log" 2>&1 || status=$?
wine_session_stop
echo "== File speed, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$log" || true
echo "== Point trace, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$points_log" || true
echo "== The whole line, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$line_log" || true
echo "== Find Next, Replace All and print pagination, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$search_log" || true
exit "$status"
