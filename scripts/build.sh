#!/usr/bin/env bash
# Configures and builds the three builds: native Linux (core, unit tests, benchmarks,
# with AddressSanitizer and UndefinedBehaviorSanitizer), Windows x86_64 and Windows
# i686 (core, unit tests, the program). Usage: build.sh [BUILD_ROOT]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$top/build}

configure_and_build() { # NAME CMAKE-ARGS...
    local dir=$root/$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 ||
            { cat "$dir.configure.log"; return 1; }
    fi
    cmake --build "$dir" -- -k 0
}

mkdir -p "$root"
configure_and_build native -DQUAREL_SANITIZE=ON
configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake"
configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake"
