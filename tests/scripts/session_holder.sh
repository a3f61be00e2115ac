#!/usr/bin/env bash
# Holds a Wine session for the session test, as a test script would: starts it from
# TEMPLATE_DIR, writes what it started to STATE_FILE (lines name=value), runs a
# stand-in for a Windows program for SECONDS, then ends.
# Usage: session_holder.sh TEMPLATE_DIR STATE_FILE SECONDS
set -euo pipefail
# shellcheck source=../../scripts/lib.sh
source "$(dirname "$0")/../../scripts/lib.sh"
# shellcheck source=../../scripts/wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
state=$2
wine_session_start "$1" virtual || exit 1
{
    echo "display=${DISPLAY#:}"
    echo "xvfb=$QUAREL_XVFB_PID"
    echo "server=$QUAREL_WINESERVER_PID"
    echo "tracer=$QUAREL_TRACER_PID"
    echo "copy=$QUAREL_WINE_COPY"
} >"$state.part"
# shellcheck disable=SC2016
quarel_run bash -c 'echo "program=$$" >>"$1.part" && mv "$1.part" "$1" && exec sleep "$2"' - "$state" "$3"
