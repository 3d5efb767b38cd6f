#!/bin/sh
# What each Windows program carries, whatever Windows it meets: version
# information and a manifest, and no import of a function that Windows 7
# and 8 lack (the per-monitor DPI functions of Windows 10 are looked up when
# the windows are made).
#
#   check_programs.sh <objdump> <program.exe>...
set -u
objdump=$1
shift
fail() { echo "FAIL: $*" >&2; exit 1; }
for program; do
    name=$(basename "$program")
    strings -e l "$program" | grep -qx FileDescription || fail "$name has no version information"
    strings "$program" | grep -q 'requestedExecutionLevel level="asInvoker"' ||
        fail "$name has no manifest"
    ! "$objdump" -p "$program" | grep -E 'ForDpi|DpiFor|DpiAwarenessContext' ||
        fail "$name imports the DPI functions above"
done
echo "Windows programs: PASS"
