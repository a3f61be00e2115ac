#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: the point trace, the whole line and
# the search and pagination natively (a build without sanitizers,
# BUILD_ROOT/native-release), then the file speed, the pictures of the line, the
# point trace, the whole line and the search benchmarks under Wine on a virtual
# display.
# Usage: bench/run_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
# shellcheck source=../scripts/lib.sh
source "$(dirname "$0")/../scripts/lib.sh"
# shellcheck source=../scripts/wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
status=0
root=$(realpath -m "${1:-$quarel_top/build}")
build_log=$root/bench-build.log
# Each benchmark run natively and under Wine, with the heading of its figures.
benchmarks=(point_trace_bench route_bench search_print_bench)
# Built for Windows only and run under Wine only.
wine_only=(file_speed_bench picture_bench landxml_import_bench)
declare -A heading=([file_speed_bench]="File speed" [picture_bench]="Pictures of the line" [landxml_import_bench]="Import LandXML" [point_trace_bench]="Point trace"
    [route_bench]="The whole line" [search_print_bench]="Find Next, Replace All and print pagination")

if [ ! -f "$root/win64/build.ninja" ]; then
    echo "No Windows x86_64 build in $root: run scripts/build.sh $root first." >&2
    exit 1
fi
{
    quarel_run cmake --build "$root/win64" --target "${wine_only[@]}" "${benchmarks[@]}" &&
        quarel_configure "$root/native-release" &&
        quarel_run cmake --build "$root/native-release" --target "${benchmarks[@]}"
} >"$build_log" 2>&1 || { cat "$build_log"; exit 1; }
for bench in "${benchmarks[@]}"; do
    echo "== ${heading[$bench]}, native"
    quarel_run "$root/native-release/bench/$bench" || status=$?
done

# Under Wine: each benchmark's output goes to a file (Wine's services hold on to pipes)
# and is shown once the session has ended.
wine_session_start "$root/wineprefix" virtual
for bench in "${wine_only[@]}" "${benchmarks[@]}"; do
    quarel_run "$WINE" "$root/win64/bench/$bench.exe" >"$root/bench-$bench.log" 2>&1 || status=$?
done
wine_session_stop
for bench in "${wine_only[@]}" "${benchmarks[@]}"; do
    echo "== ${heading[$bench]}, under Wine"
    grep -v -e 'syswow64' -e '^wine: ' "$root/bench-$bench.log" || true
done
exit "$status"
