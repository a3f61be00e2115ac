#!/usr/bin/env bash
# The shell tests: QuarelEditor.exe driven under Wine on a virtual display by
# e2e_driver.exe, which prints one line per scenario and "N passed, M failed".
#   run_e2e.sh BUILD_ROOT                    (uses BUILD_ROOT/win64)
#   run_e2e.sh PROGRAM.exe E2E_DRIVER.exe
# Extra driver options may follow (for example --only "save question").
# QUAREL_E2E_TIME_LIMIT bounds the whole run in seconds (1500 when unset).
# Exits with the driver's status.
set -uo pipefail
# shellcheck source=../../scripts/lib.sh
source "$(dirname "$0")/../../scripts/lib.sh"
# shellcheck source=../../scripts/wine_session.sh
source "$quarel_top/scripts/wine_session.sh"

if [ $# -ge 2 ] && [ "${1%.exe}" != "$1" ]; then
    program=$(realpath "$1") driver=$(realpath "$2")
    shift 2
    root=$(dirname "$(dirname "$program")")
else
    root=$(realpath "${1:-$quarel_top/build}")
    [ $# -ge 1 ] && shift
    program=$root/win64/QuarelEditor.exe
    driver=$root/win64/tests/e2e/e2e_driver.exe
fi
for exe in "$program" "$driver"; do
    [ -f "$exe" ] || { echo "missing $exe"; echo "0 passed, 1 failed"; exit 1; }
done

windows_path() { # a Linux path as Wine's Z: drive shows it
    printf 'Z:%s' "${1//\//\\}"
}

work=$(mktemp -d /tmp/quarel-e2e.XXXXXX)
full=$work/full
log=$work/e2e.log
mounted=0
checker_pid=""
# shellcheck source=../../scripts/cups_session.sh
source "$quarel_top/scripts/cups_session.sh"

# Registered first, so it runs after every server has stopped.
remove_work() {
    if [ "$mounted" = 1 ]; then umount "$full" 2>/dev/null; fi
    rm -rf "$work"
}
quarel_at_exit remove_work

# A small file system with no room left, holding one file the scenario must not damage.
full_disk=(--no-full-disk "no tmpfs could be mounted")
mkdir -p "$full" "$work/scenarios"
if mount_error=$(mount -t tmpfs -o size=256k tmpfs "$full" 2>&1); then
    mounted=1
    printf 'PK0=0   Y0=0   X0=0\r\nPKn=100   Yn=0   Xn=100\r\n' >"$full/old.txt"
    dd if=/dev/zero of="$full/filler" bs=4096 >/dev/null 2>&1
    head -c 65536 /dev/zero >>"$full/filler" 2>/dev/null
    full_disk=(--full-disk "$(windows_path "$full")")
else
    full_disk=(--no-full-disk "mount -t tmpfs failed: ${mount_error:-unknown reason}")
fi

# The Wine server's renames and deletes, traced for the scenarios that watch a save.
file_ops=(--no-file-ops-log "strace cannot trace the Wine server here")
if command -v strace >/dev/null && strace -f --seccomp-bpf -qq -e trace=rename -o /dev/null true 2>/dev/null; then
    export WINESERVER_TRACE_LOG=${QUAREL_KEEP_TRACE:-$work/wineserver-file-ops.log}
    file_ops=(--file-ops-log "$(windows_path "$WINESERVER_TRACE_LOG")")
fi

# A printer for File > Print: a private CUPS scheduler whose default queue writes one
# PDF, started before any Wine program (Wine reads the queues at each program start),
# and the checker that reads the PDF back for the print scenario.
print_pdf=$work/printed/field-book.pdf
print_requests=$work/print-requests
chmod 755 "$work" # the print filters run as the user lp and read the spool under it
stop_checker() { quarel_stop_pid "$checker_pid" 5; }
if cups_session_start "$work/cups" quarel_pdf "$print_pdf" 2>"$work/cups-reason.txt"; then
    bash "$quarel_top/tests/e2e/print_checker.sh" quarel_pdf "$print_pdf" "$print_requests" >/dev/null 2>&1 &
    checker_pid=$!
    quarel_at_exit stop_checker
    printer=(--print-pdf "$(windows_path "$print_pdf")" --print-requests "$(windows_path "$print_requests")")
else
    printer=(--no-printer "$(cat "$work/cups-reason.txt")")
fi

# The host's xmllint validates the LandXML files the export scenario writes
# (xml_checker.sh), which a Windows program under Wine cannot start.
xml_requests=$work/xml-requests
xml_checker_pid=""
stop_xml_checker() { quarel_stop_pid "$xml_checker_pid" 5; }
if command -v xmllint >/dev/null; then
    bash "$quarel_top/tests/e2e/xml_checker.sh" "$quarel_top/tests/e2e/data/LandXML-1.2.xsd" "$xml_requests" \
        >/dev/null 2>&1 &
    xml_checker_pid=$!
    quarel_at_exit stop_xml_checker
    xmllint=(--xml-requests "$(windows_path "$xml_requests")")
else
    xmllint=(--no-xmllint "xmllint is not installed (package libxml2-utils)")
fi

wine_session_start "$root/wineprefix" virtual || { echo "0 passed, 1 failed"; exit 1; }
quarel_run timeout -k 10 "${QUAREL_E2E_TIME_LIMIT:-1500}" "$WINE" "$driver" --program "$(windows_path "$program")" \
    --work "$(windows_path "$work/scenarios")" "${full_disk[@]}" "${file_ops[@]}" "${printer[@]}" "${xmllint[@]}" "$@" >"$log" 2>&1
status=$?
# Wine's own notices (for example about a 64-bit-only prefix) are left out.
grep -v -E '^(wine: |[0-9a-f]{4}:(err|fixme|warn):)' "$log"
if ! grep -q -E '^[0-9]+ passed, [0-9]+ failed' "$log"; then
    echo "the driver ended without its summary (status $status)"
    echo "0 passed, 1 failed"
    [ "$status" -eq 0 ] && status=1
fi
exit "$status"
