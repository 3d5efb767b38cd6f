#!/bin/bash
# One use of a window program under a private X server by the menu's access
# keys: half the PIN middle-clicked into the PIN box and nine digits refused,
# the PIN selected and copied without leaving the box, its cipher text
# deciphers with velk-encrypt-decrypt --inverse, and the program's cipher
# text deciphers in the window. Core dumps are off, and no file under the
# fresh HOME, XDG folders and TMPDIR holds a secret.
#
#   run_e2e.sh <program> <velk-encrypt-decrypt> <v2|classic>
set -u
program=$1
cli=$2
case $3 in
    v2) title='Velk Encrypt Decrypt V2' keys=(--keys 01 02 03 04) ;;
    classic) title='Velk Encrypt Decrypt' keys=(--classic) ;;
    *) echo "usage: run_e2e.sh <program> <velk-encrypt-decrypt> <v2|classic>" >&2 && exit 2 ;;
esac
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

pin=27182818
marker=VelkDiskMarker-q7Zx3-Kw9
# The six non-ASCII Alphabet characters, the double quote, '!' and line breaks.
printf '%s\n' "Secret $marker: the quick brown fox, 0123456789 times!" \
    $'Non-ASCII: \302\254 \302\243 \342\202\254 \302\277 \302\247 \303\230 "quoted" ^_^ +=-`|\\/;:\'' \
    'Last line!' >"$work/plain"
cipher() { "$cli" --pin-fd 3 "${keys[@]}" "$@" 3<<<"$pin"; }
step="encipher with velk-encrypt-decrypt"
cipher <"$work/plain" >"$work/cli_cipher" || fail "velk-encrypt-decrypt failed"

start_xvfb
folders=(home config cache data state tmp)
mkdir -m 700 "${folders[@]/#/$work/}"
ulimit -S -c "$(ulimit -H -c)"  # a program leaving core dumps on would show it
start_program "$title" env HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
    XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" \
    TMPDIR="$work/tmp" "$program"
step="core dumps off"
limits=$(awk '/^Max core file size/ { print $5, $6 }' "/proc/$program_pid/limits")
[ "$limits" = "0 0" ] || fail "core file size limits are '$limits'"

# Half the PIN typed, the other half middle-clicked in; nine digits offered
# first are refused whole, and would leave no room for the PIN.
step="the PIN, typed and middle-clicked into the PIN box"
printf 123456789 >"$work/nine"
printf %s "${pin:4}" >"$work/half"
for half in nine half; do
    serve primary "$work/$half"
    keys End
    xdotool mousemove --window "$window" 340 30 click 2
    [ $half = nine ] && xdotool type --delay 60 "${pin:0:4}"
done

# Selected by keys and by a double click, the PIN reaches neither the
# primary selection (which still held its second half from above) nor, by
# Ctrl+Insert, the clipboard.
step="the PIN stays in its box"
keys End shift+Home ctrl+Insert
xdotool mousemove --window "$window" 320 30 click --repeat 2 --delay 80 1
for selection in primary clipboard; do
    timeout 2 xclip -o -selection $selection 2>/dev/null | grep -q "${pin:4}" &&
        fail "the $selection selection holds the PIN"
done

step="paste the text and encrypt"
serve clipboard "$work/plain"
keys Tab ctrl+v alt+e Return
copy_out "$work/window_cipher"
cipher --inverse <"$work/window_cipher" | cmp - "$work/plain" ||
    fail "velk-encrypt-decrypt --inverse does not give the window's text back"

step="paste velk-encrypt-decrypt's cipher text and decrypt"
serve clipboard "$work/cli_cipher"
xdotool mousemove --window "$window" 300 150 click 1  # into Text1
keys ctrl+a ctrl+v alt+e d
copy_out "$work/window_plain"
cmp "$work/window_plain" "$work/plain" || fail "the window does not give the text back"
exit_by_menu

step="no secret on disk"
for secret in "$marker" "$pin" "$(head -n 1 "$work/cli_cipher")"; do
    for encoding in UTF-8 UTF-16LE; do
        pattern=$(printf %s "$secret" | iconv -t "$encoding" | od -An -tx1 -v | tr -d ' \n' | sed 's/../\\x&/g')
        hits=$(cd "$work" && LC_ALL=C grep -rlaP "$pattern" "${folders[@]}")
        [ -z "$hits" ] || fail "'$secret' in $encoding is on disk in: $hits"
    done
done
echo "e2e: PASS ($3)"
