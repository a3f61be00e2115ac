#!/usr/bin/env bash
# Builds the release program (Windows i686) if needed and writes
# BUILD_ROOT/QuarelEditor-<version>-win32.zip: the program and a short readme for
# Windows users (CR LF lines). Prints the zip's path. Usage: package.sh [BUILD_ROOT]
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
root=$(realpath -m "${1:-$quarel_top/build}")
build=$root/win32

command -v zip >/dev/null || { echo "zip is missing: run scripts/install_deps.sh" >&2; exit 1; }
quarel_configure "$build" -DCMAKE_TOOLCHAIN_FILE="$quarel_top/cmake/mingw-i686.cmake"
quarel_run cmake --build "$build" --target QuarelEditor >/dev/null

# The version, from the one header that holds it.
version=$(sed -n 's/^#define QUAREL_VERSION_\(MAJOR\|MINOR\|PATCH\|BUILD\) \([0-9]*\)$/\2/p' \
    "$quarel_top/resources/version.h" | paste -sd.)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "no version in resources/version.h" >&2; exit 1; }

stage=$(mktemp -d)
remove_stage() { rm -rf "$stage"; }
quarel_at_exit remove_stage
folder=$stage/QuarelEditor-$version
mkdir -p "$folder"
cp "$build/QuarelEditor.exe" "$folder/"
sed "s/@VERSION@/$version/" "$quarel_top/packaging/readme.txt" >"$folder/readme.txt"
zip_file=$root/QuarelEditor-$version-win32.zip
rm -f "$zip_file"
(cd "$stage" && zip -q -X -r "$zip_file" "QuarelEditor-$version")
echo "$zip_file"
