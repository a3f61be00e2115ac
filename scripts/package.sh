#!/usr/bin/env bash
# Builds the release program (Windows i686) if needed and writes
# BUILD_ROOT/QuarelEditor-<version>-win32.zip: the program and a short readme for
# Windows users (CR LF lines). Prints the zip's path. Usage: package.sh [BUILD_ROOT]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${1:-$top/build}")
build=$root/win32

command -v zip >/dev/null || { echo "zip is missing: run scripts/install_deps.sh" >&2; exit 1; }
if [ ! -f "$build/build.ninja" ]; then
    mkdir -p "$root"
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >"$build.configure.log" 2>&1 ||
        { cat "$build.configure.log" >&2; exit 1; }
fi
cmake --build "$build" --target QuarelEditor >/dev/null

# The version, from the one header that holds it.
version=$(sed -n 's/^#define QUAREL_VERSION_\(MAJOR\|MINOR\|PATCH\|BUILD\) \([0-9]*\)$/\2/p' \
    "$top/resources/version.h" | paste -sd.)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "no version in resources/version.h" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/QuarelEditor-$version
mkdir -p "$folder"
cp "$build/QuarelEditor.exe" "$folder/"
sed "s/@VERSION@/$version/" "$top/packaging/readme.txt" >"$folder/readme.txt"
zip_file=$root/QuarelEditor-$version-win32.zip
rm -f "$zip_file"
(cd "$stage" && zip -q -X -r "$zip_file" "QuarelEditor-$version")
echo "$zip_file"
