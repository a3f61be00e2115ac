#!/usr/bin/env bash
# Sourced by every script of the project (scripts/, tests/, bench/): the pieces they
# share, each written once.
#
# Build folders
#   quarel_configure DIR CMAKE-ARGS...   configures DIR (Ninja, RelWithDebInfo unless
#       the arguments say otherwise, warnings as errors); afresh when DIR was
#       configured with other arguments or the toolchain files they name have changed
#       since
# Test runs
#   gtest_counts LOG       prints "PASSED FAILED" of a GoogleTest run
#   summary_counts LOG     prints "PASSED FAILED SKIPPED" of the last line
#                          "N passed, M failed[, K skipped]"
#   run_stage STAGE LOG COUNTS COMMAND...   runs COMMAND (quarel_run) with its output
#                          in LOG, reads its counts with the function COUNTS (one of
#                          the two above, or the caller's) and tallies them; a command
#                          that failed without a failed count counts as one failure.
#                          Returns the command's status.
#   tally STAGE PASSED FAILED [SKIPPED] [SECONDS]   adds a stage's counts
#   tally_report           one line a stage, then "N passed, M failed[, K skipped]"
#                          (the line CI reads); fails when anything failed
# Packages
#   quarel_install PACKAGE...   apt-get update and install, as root; as anyone else
#                               says in one line what is missing and exits 1
# Processes
#   quarel_run COMMAND...       runs COMMAND and waits for it in a way a signal can cut
#                               short, so the script's clean-up runs at once (a command
#                               in the foreground would hold the signal until it ended)
#   quarel_at_exit FUNCTION     FUNCTION runs when the script ends: normally, on an
#                               error or on SIGINT, SIGTERM or SIGHUP; newest first
#   quarel_stop_pid PID [SECONDS]  SIGTERM, then SIGKILL after SECONDS (10); waits
#   quarel_alive PID            the process runs (an ended, unreaped one does not)
#
# Sessions. A server that the scripts need for a while is a session: one sourced file
# with a start and a stop function. The start function starts the server in the
# background and in its foreground mode (wineserver -f, cupsd -f: a server that
# forks itself away leaves $! naming the wrong process), records the PID it got,
# registers the stop function with quarel_at_exit and waits until the server
# answers; the stop function stops exactly the PIDs recorded (never a process found
# by its name), forgets them so that calling it twice is harmless, and lets no step's
# failure end it early (scripts run under set -e). wine_session.sh is one (an X
# display and a Wine server), cups_session.sh another (a private print scheduler). A
# script sources the session files it needs after this one and starts each session
# before the step that needs it; stops run newest first, so a server started earlier
# outlives the ones started after it (the print scheduler, started before any Wine
# program, outlives Wine's). A further session is one more such file.

quarel_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# ---- Build folders

quarel_configure() { # DIR CMAKE-ARGS...
    local dir=$1 stamp
    shift
    # The project's own builds stop on any warning; a build folder configured
    # before the option existed is configured afresh (the stamp changes).
    set -- -DQUAREL_WARNINGS_AS_ERRORS=ON "$@"
    stamp=$(quarel_configure_stamp "$@")
    if [ -f "$dir/build.ninja" ] && [ "$(cat "$dir/quarel-configure.stamp" 2>/dev/null)" = "$stamp" ]; then
        return 0
    fi
    local fresh=()
    [ -f "$dir/CMakeCache.txt" ] && fresh=(--fresh)
    mkdir -p "$dir"
    rm -f "$dir/quarel-configure.stamp"
    if ! cmake "${fresh[@]}" -S "$quarel_top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" \
        >"$dir.configure.log" 2>&1; then
        cat "$dir.configure.log" >&2
        return 1
    fi
    echo "$stamp" >"$dir/quarel-configure.stamp"
}

# The arguments, and the contents of every toolchain file they name: a build folder
# configured from other ones would keep its old compilers and flags.
quarel_configure_stamp() { # CMAKE-ARGS...
    local arg
    for arg in "$@"; do
        echo "$arg"
        case $arg in
        -DCMAKE_TOOLCHAIN_FILE=*) sha256sum "${arg#*=}" 2>/dev/null || echo "missing ${arg#*=}" ;;
        esac
    done
}

# ---- Test logs

gtest_counts() { # LOG
    local passed failed
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$1" | tail -n 1)
    failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$1" | tail -n 1)
    echo "${passed:-0} ${failed:-0}"
}

summary_counts() { # LOG
    local counts passed failed skipped
    # A Windows program's lines end in CR LF.
    counts=$(sed -n -E 's/^([0-9]+) passed, ([0-9]+) failed(, ([0-9]+) skipped)?[[:space:]]*$/\1 \2 \4/p' "$1" | tail -n 1)
    read -r passed failed skipped <<<"$counts"
    echo "${passed:-0} ${failed:-0} ${skipped:-0}"
}

quarel_stages=()
quarel_passed=0 quarel_failed=0 quarel_skipped=0

tally() { # STAGE PASSED FAILED [SKIPPED] [SECONDS]
    local skipped=${4:-0} line
    quarel_passed=$((quarel_passed + $2)) quarel_failed=$((quarel_failed + $3))
    quarel_skipped=$((quarel_skipped + skipped))
    line=$(printf '  %-40s %s passed, %s failed' "$1" "$2" "$3")
    [ "$skipped" -gt 0 ] && line+=", $skipped skipped"
    [ -n "${5:-}" ] && line+=" ($5 s)"
    quarel_stages+=("$line")
}

tally_report() {
    echo "== Summary"
    printf '%s\n' "${quarel_stages[@]}"
    echo "$quarel_passed passed, $quarel_failed failed$([ "$quarel_skipped" -gt 0 ] && echo ", $quarel_skipped skipped")"
    [ "$quarel_failed" -eq 0 ]
}

run_stage() { # STAGE LOG COUNTS COMMAND...
    local stage=$1 log=$2 counts=$3 status=0 start=$SECONDS passed failed skipped
    shift 3
    quarel_run "$@" >"$log" 2>&1 || status=$?
    read -r passed failed skipped <<<"$("$counts" "$log")"
    passed=${passed:-0} failed=${failed:-0}
    [ "$status" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
    tally "$stage" "$passed" "$failed" "${skipped:-0}" $((SECONDS - start))
    return "$status"
}

# ---- Packages

quarel_install() { # PACKAGE...
    [ $# -gt 0 ] || return 0
    if [ "$(id -u)" != 0 ]; then
        echo "Missing: $*. Installing them needs root: run 'bash scripts/install_deps.sh' as root." >&2
        exit 1
    fi
    echo "Installing: $*"
    export DEBIAN_FRONTEND=noninteractive
    # Another apt run (a second test run, an unattended upgrade) may hold the lock: wait.
    local apt=(apt-get -qq -o DPkg::Lock::Timeout=600)
    "${apt[@]}" update
    "${apt[@]}" install -y --no-install-recommends "$@" >/dev/null
}

# ---- Processes

quarel_exit_steps=()
quarel_child_pid=""

quarel_at_exit() { # FUNCTION
    local step
    for step in "${quarel_exit_steps[@]}"; do [ "$step" = "$1" ] && return 0; done
    quarel_exit_steps+=("$1")
}

quarel_run() { # COMMAND...
    local status=0
    "$@" &
    quarel_child_pid=$!
    wait "$quarel_child_pid" || status=$?
    quarel_child_pid=""
    return "$status"
}

quarel_alive() { # PID
    local stat
    [ -n "$1" ] && { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    stat=${stat##*) }
    [ "${stat:0:1}" != Z ]
}

quarel_stop_pid() { # PID [SECONDS]
    local pid=$1 tenths=$((${2:-10} * 10))
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || true
    while quarel_alive "$pid"; do
        if [ "$tenths" -le 0 ]; then
            kill -KILL "$pid" 2>/dev/null || true
            break
        fi
        sleep 0.1
        tenths=$((tenths - 1))
    done
    wait "$pid" 2>/dev/null || true
}

quarel_clean_up() {
    local status=$? i
    # Every step runs, whatever the one before it returned, and a second Ctrl+C
    # does not cut the clean-up short.
    set +e
    trap '' INT TERM HUP
    # A child that is a script of ours stops its own sessions first: give it time.
    quarel_stop_pid "$quarel_child_pid" 60
    quarel_child_pid=""
    for ((i = ${#quarel_exit_steps[@]} - 1; i >= 0; i--)); do
        "${quarel_exit_steps[i]}" || true
    done
    quarel_exit_steps=()
    exit "$status"
}

# Said on the terminal where there is one: while a step runs, stderr is its log.
quarel_interrupted() { # SIGNAL-NAME EXIT-STATUS
    local message="${0##*/}: stopped by SIG$1; stopping what it started"
    { echo "$message" >/dev/tty; } 2>/dev/null || echo "$message" >&2
    exit "$2"
}

trap quarel_clean_up EXIT
trap 'quarel_interrupted INT 130' INT
trap 'quarel_interrupted TERM 143' TERM
trap 'quarel_interrupted HUP 129' HUP
