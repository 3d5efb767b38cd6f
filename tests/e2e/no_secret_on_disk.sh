#!/bin/bash
# No secret on disk: one whole use of a window program under a private X
# server (type the PIN, paste a text, Encrypt, copy the result, Exit) with
# HOME, the XDG folders and TMPDIR pointed at fresh empty folders. Afterwards
# no file under them may hold the text's marker, the cipher text or the PIN,
# in UTF-8 or UTF-16; the files that were written there are listed. While the
# program runs, its core file size limits must both be 0.
#
#   no_secret_on_disk.sh <program> <edition: v2|classic>
set -u

if [ $# -ne 2 ]; then
    echo "usage: no_secret_on_disk.sh <program> <v2|classic>" >&2
    exit 2
fi
program=$1

pin=60431975
marker='VelkDiskMarker-q7Zx3-Kw9'

# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
set_edition "$2"
need_tools
make_work
start_xvfb

# The folders a program may write to, all fresh; XDG_RUNTIME_DIR is the fresh
# "runtime" start_xvfb made.
folders=(home config cache data state tmp runtime)
mkdir -m 700 "$work"/{home,config,cache,data,state,tmp}
program_env=(HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
    XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" TMPDIR="$work/tmp")

# A program that leaves core dumps on would show the hard limit here.
ulimit -S -c "$(ulimit -H -c)"
start_program

step="core dumps off"
core_limits=$(awk '/^Max core file size/ { print $5, $6 }' "/proc/$(cat "$work/program.pid")/limits")
[ "$core_limits" = "0 0" ] || fail "core file size limits (soft hard) are '$core_limits', not '0 0'"
echo "e2e: core file size limits 0 0"

# One line (no line break), so that every secret is found within one line.
printf '%s' "Secret $marker: the quick brown fox, 0123456789 times!" >"$work/plain"
printf '%s' "$marker" >"$work/marker"
printf '%s' "$pin" >"$work/pin"

enter_pin_and_text "$pin" "$work/plain"
encrypt_by_menu
step="copy the cipher text"
copy_out "$work/cipher"
[ -s "$work/cipher" ] || fail "the cipher text is empty"
grep -qF "$marker" "$work/cipher" && fail "the cipher text still holds the marker"
exit_by_menu

# ---- the disk ----------------------------------------------------------------

step="list the files written"
echo "e2e: files written under the fresh HOME, XDG folders and TMPDIR:"
written=$(cd "$work" && find "${folders[@]}" -mindepth 1 -printf '  %y %8s %p\n' | sort -k3)
echo "${written:-  (none)}"

# A Perl regular expression matching the file's bytes exactly.
byte_pattern() { # <file>
    od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /\\x/g; s/^/\\x/'
}

step="look for the secrets"
found=0
for secret in marker cipher pin; do
    for encoding in UTF-8 UTF-16LE UTF-16BE; do
        iconv -f UTF-8 -t "$encoding" "$work/$secret" >"$work/secret.bytes" ||
            fail "cannot convert the $secret to $encoding"
        hits=$(cd "$work" && LC_ALL=C grep -r -l -a -P "$(byte_pattern "$work/secret.bytes")" "${folders[@]}")
        if [ -n "$hits" ]; then
            echo "e2e: the $secret in $encoding is on disk in: ${hits//$'\n'/ }" >&2
            found=1
        fi
    done
done
[ "$found" -eq 0 ] || fail "a secret was written to disk"
echo "e2e: neither the text's marker, the cipher text nor the PIN is on disk"

echo "e2e: PASS ($2) in $((($(date +%s%N) - started) / 1000000)) ms"
