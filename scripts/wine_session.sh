#!/usr/bin/env bash
# Sourced after lib.sh by the scripts that run Windows programs: a session is an X
# display (the user's, or a virtual one started here), a private copy of a Wine
# prefix and one Wine server kept alive for the whole session.
#   wine_session_start TEMPLATE_DIR [virtual] [i686]
#       TEMPLATE_DIR is the prefix made once (with a virtual desktop) and copied for
#       every session, so that runs at the same time share no prefix and no server;
#       i686 gives it Wine's 32-bit half first. Sets WINEPREFIX and DISPLAY.
#       With WINESERVER_TRACE_LOG set, the server's renames and deletes go to that file.
#   wine_session_stop
#       ends every Wine process of the session (through its own server), then the
#       server, the trace and the display by their recorded PIDs; removes the copy.
#       Registered with quarel_at_exit, so it also runs on an error or a signal.
# Wine's output always goes to files: its background services hold on to any pipe
# they inherit, and a pipe held open makes the caller wait for ever.

# The loaders: the 64-bit one (there is no wine64 on the PATH), and the 32-bit one for
# the i686 build, which runs emulated here.
WINE=/usr/lib/wine/wine64
# shellcheck disable=SC2034 # used by the scripts that source this file
WINE32=/usr/lib/wine/wine
# Wine turns Windows file names into host names through the host's locale: without a
# UTF-8 one (a minimal Debian sets none) a name with a letter beyond ASCII cannot be
# written. C.UTF-8 is on every Debian 12, whatever the caller's locale.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
QUAREL_XVFB_PID=""
QUAREL_DISPLAY_BEFORE=""
QUAREL_WINESERVER_PID=""
QUAREL_TRACER_PID=""
QUAREL_WINE_COPY=""
QUAREL_WINE_MAKING=""
QUAREL_WINE_LOCK=""

# A virtual display: Xvfb picks a free number itself and writes it to a descriptor,
# so two runs never race for the same one.
wine_start_xvfb() {
    local number_file number=""
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    QUAREL_XVFB_PID=$!
    for _ in $(seq 1 100); do
        read -r number <"$number_file" && [ -n "$number" ] && break
        quarel_alive "$QUAREL_XVFB_PID" || break
        sleep 0.1
    done
    rm -f "$number_file"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    QUAREL_DISPLAY_BEFORE=${DISPLAY-}
    export DISPLAY=":$number"
}

# A Wine server in the foreground (so its PID is the one recorded), for the prefix in
# WINEPREFIX; returns once it listens. With WINESERVER_TRACE_LOG set, it runs under
# strace: the server carries out every rename and delete of the Wine processes, and
# the tests that watch a save read them. The traced server is a shell that writes its
# PID and then becomes the server, so the PID is known even if the tracer ends early.
wine_start_server() {
    local pid_file=${WINESERVER_TRACE_LOG:-}.server-pid
    if [ -n "${WINESERVER_TRACE_LOG:-}" ]; then
        rm -f "$pid_file"
        # shellcheck disable=SC2016
        strace -f --seccomp-bpf -qq -s 4096 -e signal=none \
            -e trace=rename,renameat,renameat2,unlink,unlinkat,link,linkat -o "$WINESERVER_TRACE_LOG" \
            sh -c 'echo $$ >"$1" && exec wineserver -f -p' - "$pid_file" >/dev/null 2>&1 {QUAREL_WINE_LOCK}>&- &
        QUAREL_TRACER_PID=$!
    else
        wineserver -f -p >/dev/null 2>&1 {QUAREL_WINE_LOCK}>&- &
        QUAREL_WINESERVER_PID=$!
    fi
    for _ in $(seq 1 100); do
        [ -n "$QUAREL_WINESERVER_PID" ] || { read -r QUAREL_WINESERVER_PID <"$pid_file"; } 2>/dev/null || true
        # The server works in its own folder and makes its socket there when it listens.
        [ -n "$QUAREL_WINESERVER_PID" ] && [ -S "/proc/$QUAREL_WINESERVER_PID/cwd/socket" ] && return 0
        quarel_alive "${QUAREL_WINESERVER_PID:-$QUAREL_TRACER_PID}" || break
        sleep 0.1
    done
    echo "the Wine server did not start for $WINEPREFIX" >&2
    return 1
}

# Ends every Wine process of the prefix (wineserver -k reaches only the server of
# WINEPREFIX, which is this session's own), then the server and its tracer.
wine_stop_server() {
    [ -n "$QUAREL_WINESERVER_PID$QUAREL_TRACER_PID" ] || return 0
    if quarel_alive "$QUAREL_WINESERVER_PID"; then wineserver -k >/dev/null 2>&1 || true; fi
    quarel_stop_pid "$QUAREL_WINESERVER_PID" 15
    quarel_stop_pid "$QUAREL_TRACER_PID" 5
    QUAREL_WINESERVER_PID="" QUAREL_TRACER_PID=""
}

# Runs a Windows step of the template's making, its output added to the boot log.
wine_template_step() { # COMMAND...
    quarel_run wine_without_lock "$WINE" "$@" >>"$WINEPREFIX.boot.log" 2>&1
}

# Becomes COMMAND without the template's lock open: a Wine process left running
# (a service of the prefix) must not hold the lock for ever. Only in a subshell.
wine_without_lock() { # COMMAND...
    exec "$@" {QUAREL_WINE_LOCK}>&-
}

# Makes the template once: in a folder of its own, marked ready and renamed into
# place at the end, so that an interrupted making leaves nothing that looks finished.
wine_make_template() { # TEMPLATE_DIR
    local template=$1
    QUAREL_WINE_MAKING=$template.making.$$
    export WINEPREFIX=$QUAREL_WINE_MAKING
    rm -rf "$template" "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "Making the Wine prefix $template (once; a few minutes with Wine's 32-bit half)"
    wine_start_server || return 1
    wine_template_step wineboot -i || true
    # A virtual desktop: without a window manager the GUI thread stalls after every
    # modal window closes.
    wine_template_step reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    wine_template_step reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    wine_stop_server
    touch "$WINEPREFIX/.quarel-ready"
    mv "$WINEPREFIX.boot.log" "$template.boot.log"
    mv "$WINEPREFIX" "$template"
    QUAREL_WINE_MAKING=""
}

# A template is current when it is finished, was made or updated by the Wine
# installed now (Wine notes the time of its wine.inf in the prefix and updates a
# prefix whose note differs, at its next start: once for the template, never for
# every copy), and has Wine's 32-bit half where the i686 build runs.
wine_template_current() { # TEMPLATE_DIR [i686]
    [ -f "$1/.quarel-ready" ] &&
        [ "$(tr -dc 0-9 <"$1/.update-timestamp" 2>/dev/null)" = "$(stat -c %Y /usr/share/wine/wine.inf 2>/dev/null)" ] &&
        { [ "${2:-}" != i686 ] || [ -f "$1/drive_c/windows/syswow64/kernel32.dll" ]; }
}

# Brings a template up to the Wine installed now (a template made before Wine's
# 32-bit half was installed gets that half).
wine_update_template() { # TEMPLATE_DIR
    export WINEPREFIX=$1
    wine_start_server || return 1
    wine_template_step wineboot -u
    wine_stop_server
}

# Wine's own libraries and programs, the bulk of a prefix (above a gigabyte with the
# 32-bit half), which no run writes: hard-linked into a session's copy. The rest
# (registry, profile, settings: some 30 MB) is copied.
wine_library_folders=(drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs)

wine_copy_prefix() { # FROM TO
    local folder excludes=()
    for folder in "${wine_library_folders[@]}"; do excludes+=(--exclude="./$folder"); done
    mkdir -p "$2"
    tar -C "$1" -cf - "${excludes[@]}" . | tar -C "$2" -xf - || return 1
    for folder in "${wine_library_folders[@]}"; do
        if [ -d "$1/$folder" ]; then cp -al "$1/$folder" "$2/$folder" || return 1; fi
    done
}

# The template, made or updated under an exclusive lock and copied under a shared
# one: a second run waits for the first to finish making it. The copy lies beside
# the template, on the same file system, for the hard links. Every process started
# while the lock is open is started without it (the lock's descriptor closed).
wine_copy_template() { # TEMPLATE_DIR [i686]
    local template
    template=$(realpath -m "$1")
    mkdir -p "$(dirname "$template")"
    exec {QUAREL_WINE_LOCK}>"$template.lock"
    if ! wine_template_current "$template" "${2:-}"; then
        flock -n "$QUAREL_WINE_LOCK" || echo "Waiting for another run to finish making the Wine prefix $template"
        quarel_run flock "$QUAREL_WINE_LOCK"
        if [ ! -f "$template/.quarel-ready" ]; then wine_make_template "$template" || return 1; fi
        if ! wine_template_current "$template" "${2:-}"; then wine_update_template "$template" || return 1; fi
    fi
    quarel_run flock -s "$QUAREL_WINE_LOCK"
    QUAREL_WINE_COPY=$(mktemp -d "$template.run.XXXXXX")
    wine_copy_prefix "$template" "$QUAREL_WINE_COPY/prefix"
    exec {QUAREL_WINE_LOCK}>&-
    export WINEPREFIX=$QUAREL_WINE_COPY/prefix
}

# Wine's own fonts (Marlett draws the caption buttons, Tahoma the menus and dialogs)
# come with fonts-wine in /usr/share/wine/fonts, but Debian's Wine 8 looks for them
# elsewhere and wineboot does not put them in the prefix: without them the caption
# buttons show as letters. Linked into the prefix's font folder, which Wine scans
# at every start.
wine_link_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font
    [ -d "$fonts" ] || return 0
    for font in /usr/share/wine/fonts/*; do
        [ -e "$font" ] || continue
        [ -e "$fonts/${font##*/}" ] || [ -L "$fonts/${font##*/}" ] || ln -s "$font" "$fonts/"
    done
}

wine_session_start() { # TEMPLATE_DIR [virtual] [i686]
    local template=$1 virtual="" i686="" option
    shift
    for option in "$@"; do
        case $option in
        virtual) virtual=1 ;;
        i686) i686=i686 ;;
        esac
    done
    quarel_at_exit wine_session_stop
    if [ -n "$virtual" ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        wine_start_xvfb || return 1
    fi
    wine_copy_template "$template" $i686 || return 1
    wine_link_fonts
    wine_start_server
}

# The caller's display and no prefix again, so later steps name nothing that is gone.
wine_session_stop() {
    wine_stop_server
    if [ -n "$QUAREL_XVFB_PID" ]; then
        quarel_stop_pid "$QUAREL_XVFB_PID" 5
        export DISPLAY=$QUAREL_DISPLAY_BEFORE
    fi
    QUAREL_XVFB_PID=""
    unset WINEPREFIX
    if [ -n "$QUAREL_WINE_COPY" ]; then rm -rf "$QUAREL_WINE_COPY"; fi
    if [ -n "$QUAREL_WINE_MAKING" ]; then rm -rf "$QUAREL_WINE_MAKING" "$QUAREL_WINE_MAKING.boot.log"; fi
    QUAREL_WINE_COPY="" QUAREL_WINE_MAKING=""
}
