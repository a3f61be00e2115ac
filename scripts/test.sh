#!/usr/bin/env bash
# The test command: installs what is missing, builds the three builds (native with
# sanitizers, Windows x86_64, Windows i686), runs the tests of the scripts, the unit
# tests natively and as a Windows program under Wine, then the shell tests of the
# real program under Wine, then the release program's package, unit tests and smoke
# scenarios under emulation. Ends with one line a stage and "N passed, M failed"
# (", K skipped" added when a stage could not run here); exits non-zero when anything
# failed. Whatever way it ends, it stops every display, Wine server and program it
# started; runs at the same time each get their own display and Wine prefix.
set -uo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=wine_session.sh
source "$quarel_top/scripts/wine_session.sh"
root=$quarel_top/build
logs=$root/logs

announce() {
    echo "Quarel Editor tests: about 6 minutes on a 2-core machine once installed and built;"
    echo "on a fresh machine about 15 in all (packages, the three builds and the Wine prefix first)."
    echo "Stages: install and build; the scripts' own tests (15 s); unit tests natively (20 s);"
    echo "unit tests under Wine (10 s); shell tests of the program under Wine (2 min); the release"
    echo "program: package, i686 unit tests and smoke scenario under emulation (3 min)."
}

fail_now() { # STAGE
    echo "$1 failed."
    tally "$1" 0 1
    tally_report
    exit 1
}

ctest_counts() { # LOG: "PASSED FAILED" from ctest's "..., F tests failed out of T"
    local total failed
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$1" | tail -n 1)
    failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$1" | tail -n 1)
    [ -n "$total" ] && echo "$((total - failed)) $failed"
}

script_tests() {
    local test
    echo "== The scripts' own tests"
    for test in "$quarel_top"/tests/scripts/*_test.sh; do
        run_stage "scripts: $(basename "$test" .sh)" "$logs/$(basename "$test" .sh).log" summary_counts bash "$test"
        grep -E '^(PASS|FAIL|SKIP) ' "$logs/$(basename "$test" .sh).log"
    done
}

native_unit_tests() {
    echo "== Unit tests, native (AddressSanitizer, UndefinedBehaviorSanitizer)"
    run_stage "unit tests, native" "$logs/ctest.log" ctest_counts \
        ctest --test-dir "$root/native" --output-on-failure -j 2 || cat "$logs/ctest.log"
    tail -n 3 "$logs/ctest.log"
}

wine_unit_tests() {
    local log=$logs/wine-unit.log
    echo "== Unit tests, Windows x86_64 under Wine"
    wine_session_start "$root/wineprefix" virtual
    run_stage "unit tests under Wine" "$log" gtest_counts "$WINE" "$root/win64/tests/unit/unit_tests.exe" ||
        grep -q '^\[  FAILED  \]' "$log" || cat "$log"
    wine_session_stop
    grep -E '^\[  FAILED  \]' "$log"
    grep -E '^\[  PASSED  \]' "$log"
}

shell_tests() {
    echo "== Shell tests of the program under Wine"
    run_stage "shell tests under Wine" "$logs/e2e.log" summary_counts bash "$quarel_top/tests/e2e/run_e2e.sh" "$root"
    cat "$logs/e2e.log"
}

release_tests() {
    echo "== The release program (i686): its package, then unit tests and smoke scenarios under emulation"
    run_stage "release program (i686)" "$logs/release.log" summary_counts bash "$quarel_top/scripts/test_release.sh" "$root"
    cat "$logs/release.log"
}

announce
mkdir -p "$logs"
quarel_run bash "$quarel_top/scripts/install_deps.sh" || fail_now "Installing the build tools"
quarel_run bash "$quarel_top/scripts/build.sh" "$root" || fail_now "The build"
script_tests
native_unit_tests
wine_unit_tests
shell_tests
release_tests
tally_report
