#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build and the tests need and is missing.
# Installing needs root; with nothing missing it succeeds for anyone.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

packages=()
need() { # need COMMAND PACKAGE
    command -v "$1" >/dev/null 2>&1 || packages+=("$2")
}
need_package() { # need_package PACKAGE: for packages that bring no command
    dpkg -s "$1" 2>/dev/null | grep -q '^Status: install ok installed' || packages+=("$1")
}
need cmake cmake
need ninja ninja-build
need g++ g++
need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64
need i686-w64-mingw32-g++-posix g++-mingw-w64-i686
need Xvfb xvfb
need import imagemagick
need xdpyinfo x11-utils
need strace strace
need zip zip
[ -x /usr/lib/wine/wine64 ] || packages+=(wine wine64)
# Wine's own fonts draw the caption buttons and the system font; without them the
# caption buttons show letters. A recommended package, so named here. Debian's Wine 8
# does not find them where the package puts them: the Wine session links them into
# its prefix's font folder.
need_package fonts-wine
# Printing end to end (tests/e2e/run_e2e.sh starts its own scheduler, see
# cups_session.sh): CUPS, its generic PDF driver, and pdfinfo and pdftotext to read
# the printed PDF back.
need cupsd cups
need_package printer-driver-cups-pdf
need pdftotext poppler-utils
# The LandXML export scenario validates every written file against the schema.
need xmllint libxml2-utils
[ -f /usr/src/googletest/CMakeLists.txt ] || packages+=(googletest)
[ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
quarel_install "${packages[@]}"

# The release program's tests run it under emulation: its packages and registration.
bash "$quarel_top/scripts/i686_emulation.sh" install
