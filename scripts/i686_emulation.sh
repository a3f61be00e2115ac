#!/usr/bin/env bash
# The release program is a 32-bit Windows program; this machine's kernel runs no
# 32-bit code, so it runs under qemu's user-mode emulation, registered with
# binfmt_misc, through Wine's 32-bit half.
#   i686_emulation.sh install    installs qemu-user-static and wine32:i386 (as root)
#                                and registers the emulation where it can, before any
#                                Wine prefix is made, so prefixes get their 32-bit half
#   i686_emulation.sh register   registers qemu for 32-bit x86 programs; says in one
#                                line and exits 1 when the machine does not allow it
# Both steps do nothing that is already done. Registering is machine-wide.
set -euo pipefail
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

binfmt=/proc/sys/fs/binfmt_misc
qemu=/usr/bin/qemu-i386-static

install_packages() {
    local packages=()
    [ -x "$qemu" ] || packages+=(qemu-user-static)
    dpkg -s wine32:i386 >/dev/null 2>&1 || packages+=(wine32:i386)
    [ ${#packages[@]} -eq 0 ] && return 0
    [ "$(id -u)" != 0 ] || dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    quarel_install "${packages[@]}"
}

# The i386 ELF header: 32-bit, little-endian, executable or shared object, machine 3.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

i386_registered() { # any enabled entry, ours or the distribution's, that runs qemu-i386
    local entry
    for entry in "$binfmt"/*; do
        [ -f "$entry" ] || continue
        grep -qx enabled "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry" 2>/dev/null && return 0
    done
    return 1
}

register() {
    local why=""
    if [ ! -x "$qemu" ]; then
        why="$qemu is not installed"
    elif [ ! -e "$binfmt/register" ] && ! mount -t binfmt_misc binfmt_misc "$binfmt" >/dev/null 2>&1; then
        why="binfmt_misc cannot be mounted here"
    elif ! i386_registered; then
        # F: the interpreter is opened now, so it works inside chroots and containers too.
        printf ':qemu-i386:M::%s:%s:%s:FP\n' "$magic" "$mask" "$qemu" >"$binfmt/register" 2>/dev/null ||
            why="binfmt_misc refused the qemu-i386 entry"
        i386_registered || why=${why:-"the qemu-i386 entry is not enabled"}
    fi
    if [ -n "$why" ]; then
        echo "no i686 emulation: $why"
        return 1
    fi
}

case "${1:-}" in
install)
    install_packages
    register || true
    ;;
register) register ;;
*)
    echo "usage: $0 install|register" >&2
    exit 2
    ;;
esac
