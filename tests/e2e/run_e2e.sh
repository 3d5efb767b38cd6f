#!/bin/bash
# End-to-end test of one window program under a private X server, driven the
# way a user drives it: type the PIN, paste a text through the X clipboard,
# run the commands through the menu's access keys, copy the result out, and
# leave through the menu. The window and velk-encrypt-decrypt must agree in
# both directions: the window's cipher text is the program's and deciphers
# with the program's --inverse, and the program's cipher text deciphers in
# the window.
#
#   run_e2e.sh <program> <velk-encrypt-decrypt> <edition: v2|classic> [<velk_window_shot>]
#
# Needs Xvfb, xdotool and xclip (see lib.sh). Leaves screenshots in the
# working directory when velk_window_shot is given.
set -u

if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: run_e2e.sh <program> <velk-encrypt-decrypt> <v2|classic> [<velk_window_shot>]" >&2
    exit 2
fi
program=$1
cli=$2
edition=$3
shooter=${4:-}

pin=27182818

# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
set_edition "$edition"
need_tools
[ -x "$cli" ] || fail "no velk-encrypt-decrypt at $cli"
make_work

show_bytes() { # <label> <file> <first byte to show>
    echo "  $1 ($(wc -c <"$2") bytes), from byte $(($3 + 1)):"
    od -An -tx1 -v -j "$3" -N 96 "$2"
}

expect_same() { # <what> <expected file> <got file>
    local report first
    if ! report=$(cmp "$2" "$3" 2>&1); then
        # "differ: byte N" or "EOF on FILE after byte N"; show the bytes around it.
        first=$(grep -o 'byte [0-9]*' <<<"$report" | grep -o '[0-9]*')
        first=$((${first:-1} > 33 ? ${first:-1} - 33 : 0))
        {
            echo "e2e: $1 differs: $report"
            show_bytes expected "$2" "$first"
            show_bytes got "$3" "$first"
        } >&2
        fail "$1 differs"
    fi
}

screenshot() { # <name>
    [ -n "$shooter" ] && [ -x "$shooter" ] || return 0
    "$shooter" "$main_window" "$PWD/$1" >/dev/null 2>&1 && echo "e2e: screenshot $PWD/$1"
}

start_xvfb
start_program

# ---- the text --------------------------------------------------------------

# Several lines: the six non-ASCII Alphabet characters, letters, digits,
# punctuation with the double quote and '!', and a final line break.
# shellcheck disable=SC2016  # the dollar sign is part of the text
printf '%s\n%s\n%s\n%s\n' \
    $'Non-ASCII: \302\254 \302\243 \342\202\254 \302\277 \302\247 \303\230 done' \
    'The quick brown fox jumps over the lazy dog, 0123456789 times!' \
    'Punctuation: "quoted" (round) [square] {curly} <angle> #~@ 50% & $5 ^_^ +=-`|\/;:'"'" \
    'Last line!' >"$work/plain"

# velk-encrypt-decrypt with the edition's keys, the PIN on descriptor 3.
run_cli() { # <input file> <output file> [<option>...]
    local input=$1 output=$2
    shift 2
    "$cli" --pin-fd 3 "${cli_keys[@]}" "$@" <"$input" >"$output" 2>"$work/cli.err" 3<<<"$pin" ||
        fail "velk-encrypt-decrypt $*: $(cat "$work/cli.err")"
}

step="encipher with velk-encrypt-decrypt"
run_cli "$work/plain" "$work/cli_cipher"
cmp -s "$work/plain" "$work/cli_cipher" && fail "velk-encrypt-decrypt left the text unchanged"

# ---- type the PIN, paste the text, encipher ---------------------------------

enter_pin_and_text "$pin" "$work/plain"
encrypt_by_menu
screenshot "e2e_${edition}_after_encrypt.png"

step="copy the cipher text"
copy_out "$work/got_cipher"
expect_same "the cipher text on the clipboard" "$work/cli_cipher" "$work/got_cipher"
echo "e2e: the window's cipher text is velk-encrypt-decrypt's ($(wc -c <"$work/got_cipher") bytes)"

step="decipher the window's cipher text with velk-encrypt-decrypt --inverse"
run_cli "$work/got_cipher" "$work/cli_plain" --inverse
expect_same "the window's cipher text deciphered by velk-encrypt-decrypt" "$work/plain" "$work/cli_plain"
echo "e2e: velk-encrypt-decrypt --inverse gave the plain text back"

# ---- paste velk-encrypt-decrypt's cipher text and decipher in the window ----

step="paste velk-encrypt-decrypt's cipher text"
serve_clipboard "$work/cli_cipher"
focus_main
# A click into the middle of the window lands in Text1 in both editions.
geometry=$(xdotool getwindowgeometry --shell "$main_window")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
xdotool mousemove --window "$main_window" --sync $((width / 2)) $((height / 2)) click 1
keys ctrl+a ctrl+v
sleep 0.3

step="Decrypt by alt+e, d"
focus_main
keys alt+e d
sleep 0.3

step="copy the deciphered text"
copy_out "$work/got_plain"
expect_same "velk-encrypt-decrypt's cipher text deciphered in the window" "$work/plain" "$work/got_plain"
echo "e2e: the window gave the plain text back"

exit_by_menu

echo "e2e: PASS ($edition) in $((($(date +%s%N) - started) / 1000000)) ms"
