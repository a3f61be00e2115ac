#!/usr/bin/env bash
# Configures and builds the three builds: native Linux (core, unit tests, benchmarks,
# with AddressSanitizer and UndefinedBehaviorSanitizer), Windows x86_64 and Windows
# i686 (core, unit tests, the program). A build folder configured with other options
# or toolchain files is configured afresh. Usage: build.sh [BUILD_ROOT]
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
root=$(realpath -m "${1:-$quarel_top/build}")

configure_and_build() { # NAME CMAKE-ARGS...
    local dir=$root/$1
    shift
    quarel_configure "$dir" "$@"
    quarel_run cmake --build "$dir" -- -k 0
}

configure_and_build native -DQUAREL_SANITIZE=ON
configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$quarel_top/cmake/mingw-x86_64.cmake"
configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$quarel_top/cmake/mingw-i686.cmake"
