#!/usr/bin/env bash
# The release program's own tests: its package, then the i686 build run under qemu's
# user-mode emulation through Wine's 32-bit half, in a copy of the 64-bit prefix the
# other Wine tests use. Under emulation: the i686 build's unit tests (the Load, Save
# and Open of the program's own file code on a real text field byte for byte among
# them) and a smoke scenario against win32/QuarelEditor.exe, driven by the x86_64
# driver. Where the emulation cannot be registered it says so in one line and counts
# as skipped. Ends with one line a stage and "N passed, M failed[, K skipped]"; exits
# non-zero when anything failed. Usage: test_release.sh [BUILD_ROOT]
set -uo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
root=$(realpath -m "${1:-$quarel_top/build}")
logs=$root/logs
program=$root/win32/QuarelEditor.exe
mkdir -p "$logs"

# The package holds the very program built and the readme.
package_test() {
    local zip_file listing
    if zip_file=$(bash "$quarel_top/scripts/package.sh" "$root" 2>"$logs/package.log") &&
        listing=$(zip -sf "$zip_file") && grep -q 'QuarelEditor-[0-9.]*/QuarelEditor.exe$' <<<"$listing" &&
        grep -q 'QuarelEditor-[0-9.]*/readme.txt$' <<<"$listing"; then
        echo "PASS  package: $(basename "$zip_file") holds the program and its readme"
        tally "package" 1 0
    else
        echo "FAIL  package: scripts/package.sh did not write the zip with the program and its readme"
        cat "$logs/package.log"
        tally "package" 0 1
    fi
}

# The full-disk test stays with the x86_64 run: it needs the full file system set up
# there, and its skip trips an emulation trap (a breakpoint exception in Wine's 32-bit
# ntdll).
unit_tests() {
    local log=$logs/i686-unit.log
    wine_session_start "$root/wineprefix" virtual i686
    run_stage "i686 unit tests under emulation" "$log" gtest_counts \
        "$WINE32" "$root/win32/tests/unit/unit_tests.exe" --gtest_filter='-SafeWriteOnAFullDisk.*' ||
        grep -q '^\[  FAILED  \]' "$log" || tail -n 20 "$log"
    wine_session_stop
    grep -E '^\[  FAILED  \] [A-Za-z]' "$log"
}

# Every start and first dialog loads Wine's 32-bit libraries emulated: the waits get
# eight times the limits of the x86_64 run, and the whole run at most 10 minutes.
smoke_scenario() {
    local log=$logs/i686-e2e.log
    QUAREL_E2E_WAIT_SCALE=8 QUAREL_E2E_TIME_LIMIT=600 run_stage "i686 smoke scenario under emulation" "$log" \
        summary_counts bash "$quarel_top/tests/e2e/run_e2e.sh" "$program" "$root/win64/tests/e2e/e2e_driver.exe" \
        --only "release smoke"
    grep -v -E '^[0-9]+ (passed|skipped)' "$log"
}

echo "release program: $(stat -c %s "$program" 2>/dev/null || echo "no") bytes"
package_test
if reason=$(bash "$quarel_top/scripts/i686_emulation.sh" register); then
    unit_tests
    smoke_scenario
else
    echo "$reason; the i686 unit tests and smoke scenarios are skipped"
    tally "i686 unit tests and smoke scenario" 0 0 1
fi
tally_report
