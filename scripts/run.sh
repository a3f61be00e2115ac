#!/usr/bin/env bash
# Runs Quarel Editor (the x86_64 build) under Wine. Installs what is missing and
# builds the program first. On the user's display the program runs until the user
# closes it. Without a usable display, it runs on a virtual one instead: a
# screenshot of its window is saved, its path printed, and the program is ended.
# Usage: run.sh [BUILD_ROOT]   (default: build/ of the repository)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$top/build}

if [ "$(id -u)" = 0 ]; then
    bash "$top/scripts/install_deps.sh"
fi

# The 64-bit program: Wine runs it natively here (the 32-bit release program runs
# only under emulation, for its tests).
dir=$root/win64
mkdir -p "$root"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; exit 1; }
fi
cmake --build "$dir" --target QuarelEditor
program=$dir/QuarelEditor.exe

# shellcheck source=scripts/wine_session.sh
source "$top/scripts/wine_session.sh"
prefix=$root/wineprefix
log=$root/run.wine.log

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    wine_session_start "$prefix"
    echo "Starting Quarel Editor on display $DISPLAY"
    status=0
    "$WINE" "$program" >"$log" 2>&1 || status=$?
    wine_session_stop
    exit "$status"
fi

echo "No usable display (DISPLAY='${DISPLAY:-}'): running on a virtual display instead."
trap wine_session_stop EXIT
wine_session_start "$prefix" virtual
"$WINE" "$program" >"$log" 2>&1 &
program_pid=$!

# Wait for the main window to be drawn: poll the screen until the window's title
# is found among the X windows, then give it a moment to paint.
shown=0
for _ in $(seq 1 150); do
    if xwininfo -root -tree 2>/dev/null | grep -q 'Quarel Editor by Tenrik'; then
        shown=1
        break
    fi
    if ! kill -0 "$program_pid" 2>/dev/null; then break; fi
    sleep 0.2
done
sleep 2

shot=$root/quarel_editor_screenshot.png
import -window root "$shot"
if [ "$shown" = 1 ]; then
    echo "Screenshot of the Quarel Editor window: $shot"
else
    echo "The window did not appear within 30 s; screenshot of the virtual display: $shot" >&2
fi

# End the program: the wine server takes every Wine process of the session with it.
wineserver -k >/dev/null 2>&1 || true
wait "$program_pid" 2>/dev/null || true
[ "$shown" = 1 ]
