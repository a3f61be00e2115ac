#!/usr/bin/env bash
# The release program's own tests: its package, then the i686 build run under qemu's
# user-mode emulation through Wine's 32-bit half, in the 64-bit prefix the other Wine
# tests use. Under emulation: the i686 build's unit tests (the Load, Save and Open of
# the program's own file code on a real text field byte for byte among them) and a
# smoke scenario against win32/QuarelEditor.exe, driven by the x86_64 driver. Where
# the emulation cannot be registered it says so in one line and counts as skipped.
# Ends with "[K skipped]" and "N passed, M failed"; exits non-zero when anything
# failed. Usage: test_release.sh [BUILD_ROOT]
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=$(realpath -m "${1:-$top/build}")
logs=$root/logs
program=$root/win32/QuarelEditor.exe
passed=0 failed=0 skipped=0
mkdir -p "$logs"

count() { # PASSED FAILED
    passed=$((passed + $1))
    failed=$((failed + $2))
}

finish() {
    [ "$skipped" -gt 0 ] && echo "$skipped skipped"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

echo "release program: $(stat -c %s "$program" 2>/dev/null || echo "no") bytes"

# The package holds the very program built and the readme.
if zip_file=$(bash "$top/scripts/package.sh" "$root" 2>"$logs/package.log") &&
    listing=$(zip -sf "$zip_file") && grep -q 'QuarelEditor-[0-9.]*/QuarelEditor.exe$' <<<"$listing" &&
    grep -q 'QuarelEditor-[0-9.]*/readme.txt$' <<<"$listing"; then
    echo "PASS  package: $(basename "$zip_file") holds the program and its readme"
    count 1 0
else
    echo "FAIL  package: scripts/package.sh did not write the zip with the program and its readme"
    cat "$logs/package.log"
    count 0 1
fi

if ! reason=$(bash "$top/scripts/i686_emulation.sh" register); then
    echo "$reason; the i686 unit tests and smoke scenarios are skipped"
    skipped=1
    finish
fi

start=$(date +%s)
# shellcheck source=wine_session.sh
source "$top/scripts/wine_session.sh"
wine_session_start "$root/wineprefix" virtual
# A prefix made before Wine's 32-bit half was installed gets that half now.
if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    "$WINE" wineboot -u >>"$WINEPREFIX.boot.log" 2>&1
    wineserver -w
    wineserver -p >/dev/null 2>&1
fi
# The full-disk test stays with the x86_64 run: it needs the full file system set up
# there, and its skip trips an emulation trap (a breakpoint exception in Wine's 32-bit
# ntdll).
/usr/lib/wine/wine "$root/win32/tests/unit/unit_tests.exe" --gtest_filter='-SafeWriteOnAFullDisk.*' \
    >"$logs/i686-unit.log" 2>&1
unit_status=$?
wine_session_stop
unit_passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$logs/i686-unit.log" | tail -n 1)
unit_failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$logs/i686-unit.log" | tail -n 1)
unit_passed=${unit_passed:-0} unit_failed=${unit_failed:-0}
if [ "$unit_status" -ne 0 ] && [ "$unit_failed" -eq 0 ]; then
    tail -n 20 "$logs/i686-unit.log"
    unit_failed=1
fi
grep -E '^\[  FAILED  \] [A-Za-z]' "$logs/i686-unit.log"
echo "i686 unit tests under emulation: $unit_passed passed, $unit_failed failed ($(($(date +%s) - start)) s)"
count "$unit_passed" "$unit_failed"

start=$(date +%s)
# Every start and first dialog loads Wine's 32-bit libraries emulated: the waits get
# eight times the limits of the x86_64 run, and the whole run at most 10 minutes.
QUAREL_E2E_WAIT_SCALE=8 QUAREL_E2E_TIME_LIMIT=600 bash "$top/tests/e2e/run_e2e.sh" "$program" "$root/win64/tests/e2e/e2e_driver.exe" \
    --only "release smoke" \
    >"$logs/i686-e2e.log" 2>&1
e2e_status=$?
grep -v -E '^[0-9]+ (passed|skipped)' "$logs/i686-e2e.log"
e2e_line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$logs/i686-e2e.log" | tail -n 1)
e2e_passed=$(sed -n 's/^\([0-9]*\) passed.*/\1/p' <<<"$e2e_line")
e2e_failed=$(sed -n 's/.* \([0-9]*\) failed.*/\1/p' <<<"$e2e_line")
e2e_passed=${e2e_passed:-0} e2e_failed=${e2e_failed:-0}
if [ "$e2e_status" -ne 0 ] && [ "$e2e_failed" -eq 0 ]; then e2e_failed=1; fi
echo "smoke scenarios of the i686 program: $e2e_passed passed, $e2e_failed failed ($(($(date +%s) - start)) s)"
count "$e2e_passed" "$e2e_failed"
finish
