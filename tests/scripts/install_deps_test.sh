#!/usr/bin/env bash
# install_deps.sh run by a user who is not root (nobody, through setpriv), from a
# copy of the scripts that user can read: with a command missing (a PATH without
# cmake) it says in one line that it needs root and fails; with nothing missing it
# succeeds. Needs root itself, to switch user, and a machine where nobody can run
# programs; skipped with the reason otherwise.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib.sh
source "$here/../../scripts/lib.sh"
# shellcheck source=cases.sh
source "$here/cases.sh"
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
skip() { # REASON
    echo "SKIP  install_deps.sh as another user: $1"
    echo "0 passed, 0 failed, 1 skipped"
    exit 0
}
[ "$(id -u)" = 0 ] || skip "switching user needs root"
# A chroot whose root folder is closed to other users lets nobody run no program.
why=$("${as_nobody[@]}" true 2>&1) || skip "the user nobody cannot run programs here: $why"
work=$(mktemp -d)
remove_work() { rm -rf "$work"; }
quarel_at_exit remove_work
chmod 755 "$work"
mkdir "$work/scripts" "$work/no-cmake"
cp "$quarel_top"/scripts/{lib,install_deps,i686_emulation}.sh "$work/scripts/"
for command in /usr/bin/*; do
    [ "${command##*/}" = cmake ] || ln -s "$command" "$work/no-cmake/"
done

install_as_nobody() { # PATH EXPECTED: succeeds | refuses
    local output status=0
    output=$("${as_nobody[@]}" env -i PATH="$1" HOME=/nonexistent bash "$work/scripts/install_deps.sh" 2>&1) ||
        status=$?
    case $2 in
    succeeds) [ "$status" -eq 0 ] || { echo "exit status $status: $output"; return 1; } ;;
    refuses)
        [ "$status" -ne 0 ] || { echo "it succeeded: $output"; return 1; }
        [ "$(wc -l <<<"$output")" -eq 1 ] && grep -q 'cmake.*needs root' <<<"$output" ||
            { echo "not the one line naming cmake and root: $output"; return 1; }
        ;;
    esac
}

#        name                                                 PATH                               expected
run_case "as nobody with cmake missing: one line, needs root" install_as_nobody "$work/no-cmake" refuses
run_case "as nobody with nothing missing: succeeds"           install_as_nobody /usr/sbin:/usr/bin succeeds
finish_cases
