#!/bin/bash
# One use of a Windows program under Wine on a private X server, by the
# menu's access keys as tests/e2e/run_e2e.sh does on Linux: a run without a
# PIN refused, letters, Enter and Escape kept out of the PIN box as it is
# typed, a multi-line text pasted, Escape in it changing nothing, the text
# enciphered exactly as velk-encrypt-decrypt for Linux does it, copied out,
# deciphered again, and Exit ending the program with status 0.
#
# "&Encrypt Or Decrypt Txt " and "&Exit" share their access key. Windows
# then only highlights the first item with E and waits for Enter (a second E
# moves on to Exit); Wine chooses it at once. The keys here are those that
# work on Windows: the menu opens on its first item, so Alt+E, Enter.
#
#   run_e2e.sh <program.exe> <velk-encrypt-decrypt> <v2|classic> <Wine prefix>
set -u
program=$1
cli=$2
case $3 in
    v2) title='Velk Encrypt Decrypt V2' keys=(--keys 01 02 03 04) ;;
    classic) title='Velk Encrypt Decrypt' keys=(--classic) ;;
    *) echo "usage: run_e2e.sh <program.exe> <velk-encrypt-decrypt> <v2|classic> <Wine prefix>" >&2 && exit 2 ;;
esac
if [ ! -x "$cli" ]; then
    echo "SKIP: no velk-encrypt-decrypt for Linux at '$cli' to check against (make build makes it)"
    exit 77
fi
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
# shellcheck source-path=SCRIPTDIR source=desktop.sh
source "$(dirname "$0")/desktop.sh"

pin=27182818
printf '%s\n' "Secret: the quick brown fox, 0123456789 times!" \
    $'Non-ASCII: \302\254 \302\243 \342\202\254 \302\277 \302\247 \303\230 "quoted" ^_^' 'Last line!' >"$work/plain"
step="encipher with velk-encrypt-decrypt"
"$cli" --pin-fd 3 "${keys[@]}" <"$work/plain" >"$work/cli_cipher" 3<<<"$pin" ||
    fail "velk-encrypt-decrypt failed"

start_xvfb
wine_up "$4"
# Wine's trace of the message boxes names their prompts.
start_program "$title" env WINEDEBUG=-all,+msgbox wine "$program"

step="a run without a PIN refused"
keys alt+e Return
box=$(timeout 10 xdotool search --sync --onlyvisible --name "^ $title\$" | head -n 1)
[ -n "$box" ] || fail "no box titled ' $title'"
xdotool windowfocus --sync "$box" key Return
grep -q 'MSGBOX_OnInit L"Enter Pin"' "$work/program.log" || fail "the box does not ask for the PIN"

# The PIN box has the focus again; its letters beep.
step="the PIN typed with letters, Enter and Escape between its digits"
keys 2 a 7 Return 1 Escape 8 period 2 8 1 8

step="paste the text, press Escape in it, and encrypt"
serve clipboard "$work/plain"
keys Tab ctrl+v Escape alt+e Return
[ "$(grep -c MSGBOX_OnInit "$work/program.log")" -eq 1 ] || fail "the run was refused"
copy_out "$work/window_cipher"
cmp "$work/window_cipher" "$work/cli_cipher" || fail "the window's cipher text is not velk-encrypt-decrypt's"

step="decrypt"
keys alt+e d
copy_out "$work/window_plain"
cmp "$work/window_plain" "$work/plain" || fail "the window does not give the text back"

# The menu opens on its first item; Exit is the last.
step="exit by alt+e, Up, Return"
keys alt+e Up Return
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "still running 10 s after Exit"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "wine e2e: PASS ($3)"
