#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the point trace natively (a build
# without sanitizers, BUILD_ROOT/native-release), then the file speed and the point
# trace benchmarks under Wine on a virtual display.
# Usage: bench/run_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
# shellcheck source=../scripts/lib.sh
source "$(dirname "$0")/../scripts/lib.sh"
# shellcheck source=../scripts/wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
status=0
root=$(realpath -m "${1:-$quarel_top/build}")
build_log=$root/bench-build.log

if [ ! -f "$root/win64/build.ninja" ]; then
    echo "No Windows x86_64 build in $root: run scripts/build.sh $root first." >&2
    exit 1
fi
{
    quarel_run cmake --build "$root/win64" --target file_speed_bench point_trace_bench &&
        quarel_configure "$root/native-release" &&
        quarel_run cmake --build "$root/native-release" --target point_trace_bench
} >"$build_log" 2>&1 || { cat "$build_log"; exit 1; }
echo "== Point trace, native"
quarel_run "$root/native-release/bench/point_trace_bench" || status=$?

wine_session_start "$root/wineprefix" virtual
log=$root/bench-file-speed.log
quarel_run "$WINE" "$root/win64/bench/file_speed_bench.exe" >"$log" 2>&1 || status=$?
points_log=$root/bench-point-trace.log
quarel_run "$WINE" "$root/win64/bench/point_trace_bench.exe" >"$points_log" 2>&1 || status=$?
wine_session_stop
echo "== File speed, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$log" || true
echo "== Point trace, under Wine"
grep -v -e 'syswow64' -e '^wine: ' "$points_log" || true
exit "$status"
