#!/usr/bin/env bash
# The counts the test command reads from each stage's log (scripts/lib.sh): the
# summary line of a script or of the Windows shell-test driver (whose lines end in
# CR LF), and GoogleTest's PASSED and FAILED lines, natively or from Windows.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib.sh
source "$here/../../scripts/lib.sh"
# shellcheck source=cases.sh
source "$here/cases.sh"

log=$(mktemp)
remove_log() { rm -f "$log"; }
quarel_at_exit remove_log

counts_of() { # COUNTS-FUNCTION LOG-TEXT EXPECTED
    local got
    printf '%b' "$2" >"$log"
    got=$("$1" "$log")
    [ "$got" = "$3" ] || { echo "got '$got'"; return 1; }
}

#        name                                       reader         log text                                      expected
run_case "summary line"                             counts_of summary_counts "PASS  a\n3 passed, 1 failed\n"                "3 1 0"
run_case "summary line from Windows (CR LF)"        counts_of summary_counts "62 passed, 0 failed\r\n"                      "62 0 0"
run_case "summary line with skipped, the last wins" counts_of summary_counts "1 passed, 0 failed\n5 passed, 2 failed, 1 skipped\n" "5 2 1"
run_case "no summary line"                          counts_of summary_counts "the driver died\n"                            "0 0 0"
run_case "GoogleTest, all passed (CR LF)"           counts_of gtest_counts   "[  PASSED  ] 114 tests.\r\n"                  "114 0"
run_case "GoogleTest, some failed"                  counts_of gtest_counts   "[  PASSED  ] 1 test.\n[  FAILED  ] 2 tests, listed below:\n" "1 2"
finish_cases
