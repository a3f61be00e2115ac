#!/usr/bin/env bash
# The test command: installs what is missing, builds the three builds (native with
# sanitizers, Windows x86_64, Windows i686), runs the unit tests natively and as a
# Windows program under Wine, then the shell tests of the real program under Wine,
# then the release program's package, unit tests and smoke scenarios under emulation.
# Ends with the line "N passed, M failed" (", K skipped" added when a stage could not
# run here); exits non-zero when anything failed.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=$top/build
logs=$root/logs
passed=0
failed=0

fail_now() {
    echo "$1"
    echo "$passed passed, $((failed + 1)) failed"
    exit 1
}

bash "$top/scripts/install_deps.sh" || fail_now "Installing the build tools failed."
bash "$top/scripts/build.sh" "$root" || fail_now "The build failed."
mkdir -p "$logs"

echo "== Unit tests, native (AddressSanitizer, UndefinedBehaviorSanitizer)"
ctest --test-dir "$root/native" --output-on-failure -j 2 >"$logs/ctest.log" 2>&1
tail -n 3 "$logs/ctest.log"
native_total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$logs/ctest.log" | tail -n 1)
native_failed=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$logs/ctest.log" | tail -n 1)
if [ -z "$native_total" ]; then
    cat "$logs/ctest.log"
    native_total=1 native_failed=1
fi
passed=$((passed + native_total - native_failed))
failed=$((failed + native_failed))

echo "== Unit tests, Windows x86_64 under Wine"
# shellcheck source=wine_session.sh
source "$top/scripts/wine_session.sh"
wine_session_start "$root/wineprefix" virtual
"$WINE" "$root/win64/tests/unit/unit_tests.exe" >"$logs/wine-unit.log" 2>&1
wine_status=$?
wine_session_stop
wine_passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$logs/wine-unit.log" | tail -n 1)
wine_failed=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$logs/wine-unit.log" | tail -n 1)
wine_passed=${wine_passed:-0}
wine_failed=${wine_failed:-0}
if [ "$wine_status" -ne 0 ] && [ "$wine_failed" -eq 0 ]; then
    cat "$logs/wine-unit.log"
    wine_failed=1
fi
[ "$wine_failed" -ne 0 ] && grep -E '^\[  FAILED  \]' "$logs/wine-unit.log"
echo "$wine_passed passed, $wine_failed failed under Wine"
passed=$((passed + wine_passed))
failed=$((failed + wine_failed))

if [ -x "$top/tests/e2e/run_e2e.sh" ]; then
    echo "== Shell tests of the program under Wine"
    bash "$top/tests/e2e/run_e2e.sh" "$root" >"$logs/e2e.log" 2>&1
    e2e_status=$?
    cat "$logs/e2e.log"
    e2e_line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$logs/e2e.log" | tail -n 1)
    e2e_passed=$(echo "$e2e_line" | sed -n 's/^\([0-9]*\) passed.*/\1/p')
    e2e_failed=$(echo "$e2e_line" | sed -n 's/.* \([0-9]*\) failed.*/\1/p')
    e2e_passed=${e2e_passed:-0}
    e2e_failed=${e2e_failed:-0}
    if [ "$e2e_status" -ne 0 ] && [ "$e2e_failed" -eq 0 ]; then e2e_failed=1; fi
    passed=$((passed + e2e_passed))
    failed=$((failed + e2e_failed))
fi

echo "== The release program (i686): its package, then unit tests and smoke scenarios under emulation"
skipped=0
bash "$top/scripts/test_release.sh" "$root" >"$logs/release.log" 2>&1
release_status=$?
cat "$logs/release.log"
release_line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$logs/release.log" | tail -n 1)
release_passed=$(sed -n 's/^\([0-9]*\) passed.*/\1/p' <<<"$release_line")
release_failed=$(sed -n 's/.* \([0-9]*\) failed.*/\1/p' <<<"$release_line")
release_failed=${release_failed:-0}
if [ "$release_status" -ne 0 ] && [ "$release_failed" -eq 0 ]; then release_failed=1; fi
passed=$((passed + ${release_passed:-0}))
failed=$((failed + release_failed))
release_skipped=$(sed -n 's/^\([0-9]*\) skipped$/\1/p' "$logs/release.log" | tail -n 1)
skipped=$((skipped + ${release_skipped:-0}))

echo "$passed passed, $failed failed$([ "$skipped" -gt 0 ] && echo ", $skipped skipped")"
[ "$failed" -eq 0 ]
