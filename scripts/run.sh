#!/usr/bin/env bash
# Runs Quarel Editor (the x86_64 build) under Wine. Installs what is missing and
# builds the program first. On the user's display the program runs until the user
# closes it. Without a usable display, it runs on a virtual one instead: a
# screenshot of its window is saved, its path printed, and the program is ended.
# Usage: run.sh [BUILD_ROOT]   (default: build/ of the repository)
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
root=$(realpath -m "${1:-$quarel_top/build}")
log=$root/run.wine.log

build_program() {
    if [ "$(id -u)" = 0 ]; then
        bash "$quarel_top/scripts/install_deps.sh"
    fi
    # The 64-bit program: Wine runs it natively here (the 32-bit release program runs
    # only under emulation, for its tests).
    quarel_configure "$root/win64" -DCMAKE_TOOLCHAIN_FILE="$quarel_top/cmake/mingw-x86_64.cmake"
    quarel_run cmake --build "$root/win64" --target QuarelEditor
    program=$root/win64/QuarelEditor.exe
}

run_on_the_users_display() {
    wine_session_start "$root/wineprefix"
    echo "Starting Quarel Editor on display $DISPLAY"
    quarel_run "$WINE" "$program" >"$log" 2>&1
}

# Waits until the program's window is among the X windows (Wine names each after the
# program's file), then gives it a moment to paint. Fails after 30 s.
wait_for_window() { # PROGRAM-PID
    local name
    name=$(basename "$program" | tr '[:upper:]' '[:lower:]')
    for _ in $(seq 1 150); do
        xwininfo -root -tree 2>/dev/null | grep -qF "(\"$name\"" && sleep 2 && return 0
        quarel_alive "$1" || return 1
        sleep 0.2
    done
    return 1
}

screenshot_on_a_virtual_display() {
    echo "No usable display (DISPLAY='${DISPLAY:-}'): running on a virtual display instead."
    wine_session_start "$root/wineprefix" virtual
    "$WINE" "$program" >"$log" 2>&1 &
    local program_pid=$! shown=0 shot=$root/quarel_editor_screenshot.png
    wait_for_window "$program_pid" && shown=1
    import -window root "$shot"
    # Ending the session ends the program with every other Wine process it has.
    wine_session_stop
    if [ "$shown" = 1 ]; then
        echo "Screenshot of the Quarel Editor window: $shot"
    else
        echo "The window did not appear within 30 s; screenshot of the virtual display: $shot" >&2
        return 1
    fi
}

build_program
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    run_on_the_users_display
else
    screenshot_on_a_virtual_display
fi
