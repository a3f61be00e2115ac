#!/usr/bin/env bash
# Sourced by the test and run scripts: a private Wine prefix with a virtual desktop,
# one wine server kept alive for the whole session, and an X display (the user's,
# or a virtual one started here).
#   wine_session_start PREFIX_DIR [virtual]   sets WINEPREFIX, DISPLAY, WINE
#     (with WINESERVER_TRACE_LOG set, the server's renames and deletes go to that file)
#   wine_session_stop
# Wine's output always goes to files: its background services hold on to any pipe
# they inherit, and a pipe held open makes the caller wait for ever.

WINE=/usr/lib/wine/wine64
# Wine turns Windows file names into host names through the host's locale: without a
# UTF-8 one (a minimal Debian sets none) a name with a letter beyond ASCII cannot be
# written. C.UTF-8 is on every Debian 12, whatever the caller's locale.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
QUAREL_XVFB_PID=""

wine_free_display() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "$n"
            return
        fi
    done
    return 1
}

wine_start_xvfb() {
    local n
    n=$(wine_free_display)
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QUAREL_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on :$n" >&2
    return 1
}

# Wine's own fonts (Marlett draws the caption buttons, Tahoma the menus and dialogs)
# come with fonts-wine in /usr/share/wine/fonts, but Debian's Wine 8 looks for them
# elsewhere and wineboot does not put them in the prefix: without them the caption
# buttons show as letters. Linked into the prefix's font folder, which Wine scans
# at every start; done at every session so that older prefixes get them too.
wine_link_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font
    [ -d "$fonts" ] || return 0
    for font in /usr/share/wine/fonts/*; do
        [ -e "$font" ] || continue
        [ -e "$fonts/${font##*/}" ] || [ -L "$fonts/${font##*/}" ] || ln -s "$font" "$fonts/"
    done
}

wine_session_start() { # PREFIX_DIR [virtual]
    # Wine takes only an absolute prefix path.
    WINEPREFIX=$(realpath -m "$1")
    export WINEPREFIX
    if [ "${2:-}" = virtual ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        wine_start_xvfb
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/.quarel-ready" ]; then
        "$WINE" wineboot -i >"$WINEPREFIX.boot.log" 2>&1 || true
        # A virtual desktop: without a window manager the GUI thread stalls after
        # every modal window closes.
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$WINEPREFIX.boot.log" 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >>"$WINEPREFIX.boot.log" 2>&1
        wineserver -k || true
        wineserver -w || true
        touch "$WINEPREFIX/.quarel-ready"
    fi
    wine_link_fonts
    if [ -n "${WINESERVER_TRACE_LOG:-}" ]; then
        # The server carries out every rename and delete of the Wine processes: its
        # calls on file names are traced for the tests that watch a save. strace -D
        # returns, as the bare command does, once the server is ready.
        strace -D -f --seccomp-bpf -qq -s 4096 -e signal=none \
            -e trace=rename,renameat,renameat2,unlink,unlinkat,link,linkat \
            -o "$WINESERVER_TRACE_LOG" wineserver -p >/dev/null 2>&1
    else
        wineserver -p >/dev/null 2>&1
    fi
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$QUAREL_XVFB_PID" ]; then
        kill "$QUAREL_XVFB_PID" 2>/dev/null || true
        wait "$QUAREL_XVFB_PID" 2>/dev/null || true
        QUAREL_XVFB_PID=""
    fi
}
