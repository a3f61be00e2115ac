#!/usr/bin/env bash
# Builds and runs the set-out benchmark natively, as the program is built (-O2) and without the
# sanitizers of the test build. Usage: bench/run_set_out_bench.sh [BUILD_ROOT]   (default: build/)
set -euo pipefail
# shellcheck source=../scripts/lib.sh
source "$(dirname "$0")/../scripts/lib.sh"
root=$(realpath -m "${1:-$quarel_top/build}")
dir=$root/native-bench
quarel_configure "$dir"
quarel_run cmake --build "$dir" --target set_out_bench >"$dir.build.log" 2>&1 || { cat "$dir.build.log"; exit 1; }
quarel_run "$dir/bench/set_out_bench"
