#!/usr/bin/env bash
# Sourced by the scripts' tests: each case is a function that prints why it failed
# and returns non-zero, or prints nothing and succeeds.
#   run_case NAME FUNCTION ARGS...   prints "PASS  NAME" or "FAIL  NAME: why"
#   finish_cases                     prints "N passed, M failed"; fails when any failed
cases_passed=0 cases_failed=0

run_case() { # NAME FUNCTION ARGS...
    local name=$1 why
    shift
    if why=$("$@" 2>&1); then
        echo "PASS  $name"
        cases_passed=$((cases_passed + 1))
    else
        echo "FAIL  $name: ${why:-no reason given}"
        cases_failed=$((cases_failed + 1))
    fi
}

finish_cases() {
    echo "$cases_passed passed, $cases_failed failed"
    [ "$cases_failed" -eq 0 ]
}
