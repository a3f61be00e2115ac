#!/usr/bin/env bash
# The Wine session's start and stop (scripts/wine_session.sh), held by
# session_holder.sh: runs at the same time get their own display and prefix copy,
# and whatever way a run ends it leaves no process it started. The prefix is an
# empty template (a Wine server needs no more), so the test takes seconds.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib.sh
source "$here/../../scripts/lib.sh"
# shellcheck source=cases.sh
source "$here/cases.sh"
work=$(mktemp -d)
remove_work() { rm -rf "$work"; }
quarel_at_exit remove_work
template=$work/template
mkdir "$template"
touch "$template/.quarel-ready"
stat -c %Y /usr/share/wine/wine.inf >"$template/.update-timestamp"

# The holder starts with SIGINT handled as a command typed at a terminal has it: a
# background job of a script (this test's, or this test's own under the test
# command) inherits SIGINT ignored, and a shell cannot trap what it inherits ignored.
start_holder() { # NAME SECONDS [ENV-ASSIGNMENT...]
    local name=$1 seconds=$2
    shift 2
    env --default-signal=INT "$@" bash "$here/session_holder.sh" "$template" "$work/$name.state" "$seconds" \
        >"$work/$name.log" 2>&1 &
    holder_pid=$!
    for _ in $(seq 1 200); do
        [ -f "$work/$name.state" ] && return 0
        quarel_alive "$holder_pid" || break
        sleep 0.05
    done
    echo "$name: the session did not start: $(cat "$work/$name.log")"
    return 1
}

state_value() { # NAME KEY
    sed -n "s/^$2=//p" "$work/$1.state"
}

# After the holder NAME has ended with STATUS: it ended so, and nothing it started is left.
check_cleaned_up() { # NAME HOLDER-PID STATUS
    local name=$1 status=0 key pid display
    for _ in $(seq 1 300); do quarel_alive "$2" || break; sleep 0.1; done
    if quarel_alive "$2"; then
        kill -KILL "$2"
        echo "$name: still running 30 s later"
        return 1
    fi
    wait "$2" || status=$?
    [ "$status" = "$3" ] || { echo "$name: exit status $status, not $3: $(cat "$work/$name.log")"; return 1; }
    for key in xvfb server tracer program; do
        pid=$(state_value "$name" "$key")
        if quarel_alive "$pid"; then echo "$name: its $key (PID $pid) still runs"; return 1; fi
    done
    display=$(state_value "$name" display)
    [ ! -e "/tmp/.X11-unix/X$display" ] || { echo "$name: display :$display is still open"; return 1; }
    [ ! -e "$(state_value "$name" copy)" ] || { echo "$name: its prefix copy is left"; return 1; }
}

two_runs_at_once() {
    local first second
    start_holder first 2 || return 1
    first=$holder_pid
    start_holder second 1 || return 1
    second=$holder_pid
    quarel_alive "$first" || { echo "the first run ended before the second started"; return 1; }
    [ "$(state_value first display)" != "$(state_value second display)" ] ||
        { echo "both runs got display :$(state_value first display)"; return 1; }
    [ "$(state_value first copy)" != "$(state_value second copy)" ] || { echo "both runs got one prefix copy"; return 1; }
    check_cleaned_up second "$second" 0 && check_cleaned_up first "$first" 0
}

interrupted() { # SIGNAL STATUS [ENV-ASSIGNMENT...]
    local signal=$1 status=$2
    shift 2
    start_holder "$signal" 600 "$@" || return 1
    kill -"$signal" "$holder_pid"
    check_cleaned_up "$signal" "$holder_pid" "$status"
}

run_case "two runs at the same time: own displays and prefixes, both stop all" two_runs_at_once
#        name                                                   signal status environment
run_case "SIGINT stops the display, server and program"         interrupted INT 130
run_case "SIGTERM stops them, the traced server and its tracer" interrupted TERM 143 WINESERVER_TRACE_LOG="$work/trace.log"
run_case "SIGHUP stops them"                                    interrupted HUP 129
finish_cases
