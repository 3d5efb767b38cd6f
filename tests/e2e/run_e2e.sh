#!/bin/bash
# End-to-end test of one window program under a private X server, driven the
# way a user drives it: type the PIN, paste a text through the X clipboard,
# run the commands through the menu's access keys, copy the result out, and
# leave through the menu.
#
#   run_e2e.sh <program> <velk_cipher_tool> <edition: v2|classic>
#
# Needs Xvfb, xdotool and xclip. Leaves screenshots in the working directory
# when velk_window_shot (next to velk_cipher_tool) is there.
set -u

if [ $# -ne 3 ]; then
    echo "usage: run_e2e.sh <program> <velk_cipher_tool> <v2|classic>" >&2
    exit 2
fi
program=$1
tool=$2
edition=$3

pin=27182818
case $edition in
v2)
    caption='Velk Encrypt Decrypt V2'
    refusal_title=' Velk Encrypt Decrypt V2'
    tool_keys=(--keys 01 02 03 04)
    ;;
classic)
    caption='Velk Encrypt Decrypt'
    refusal_title=' Velk Encrypt Decrypt'
    tool_keys=(--classic)
    ;;
*)
    echo "run_e2e.sh: unknown edition '$edition' (v2 or classic)" >&2
    exit 2
    ;;
esac
copy_title=' Velk Encrypt Decrypt '

step="start"
started=$(date +%s%N)

fail() {
    echo "e2e: FAIL at step '$step': $*" >&2
    echo "e2e: windows on the display:" >&2
    list_windows >&2
    if [ -s "${work:-/nonexistent}/xvfb.log" ]; then
        echo "e2e: Xvfb output (last 10 lines):" >&2
        tail -n 10 "$work/xvfb.log" >&2
    fi
    if [ -s "${work:-/nonexistent}/program.log" ]; then
        echo "e2e: program output (last 20 lines):" >&2
        tail -n 20 "$work/program.log" >&2
    fi
    exit 1
}

for needed in Xvfb xdotool xclip; do
    command -v "$needed" >/dev/null 2>&1 || fail "$needed is not installed (make deps installs it)"
done
[ -x "$program" ] || fail "no program at $program"
[ -x "$tool" ] || fail "no velk_cipher_tool at $tool"

work=$(mktemp -d "${TMPDIR:-/tmp}/velk-e2e.XXXXXX") || exit 1
xvfb_pid=""
xclip_pid=""
runner_pid=""

# xclip ends by itself once the program takes the selection over; only a
# still running one of ours is stopped.
stop_xclip() {
    if [ -n "$xclip_pid" ] && jobs -pr | grep -qx "$xclip_pid"; then
        kill "$xclip_pid" 2>/dev/null
    fi
    xclip_pid=""
}

cleanup() {
    if [ -n "$runner_pid" ] && [ ! -e "$work/program.status" ] && [ -s "$work/program.pid" ]; then
        kill "$(cat "$work/program.pid")" 2>/dev/null
    fi
    stop_xclip
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# ---- helpers ---------------------------------------------------------------

list_windows() {
    [ -n "$xvfb_pid" ] && [ -n "${DISPLAY:-}" ] || return 0
    local w name
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        name=$(xdotool getwindowname "$w" 2>/dev/null)
        [ -n "$name" ] && echo "  window $w: [$name]"
    done
}

# The first visible window whose title matches the regular expression, within
# a number of tenths of a second; prints its id.
find_window() { # <regex> <tenths>
    local i id
    for ((i = 0; i < $2; ++i)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        program_alive || return 1
        sleep 0.1
    done
    return 1
}

window_gone() { # <regex> <tenths>
    local i
    for ((i = 0; i < $2; ++i)); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

program_alive() { [ ! -e "$work/program.status" ]; }

# Regex for an exact title: the titles hold blanks but no other metacharacter.
exact() { printf '^%s$' "$1"; }

# Without a window manager nobody gives the main window the focus back when a
# message box closes, so every step hands it over explicitly, as a click on
# the window would.
focus_main() {
    program_alive || fail "the program ended unexpectedly (status $(cat "$work/program.status"))"
    xdotool windowfocus --sync "$main_window" 2>/dev/null || fail "cannot focus the main window"
}

keys() { xdotool key --delay 80 "$@"; }

# Serves the file on the CLIPBOARD selection as UTF-8 text until another
# client takes the selection over.
serve_clipboard() { # <file>
    stop_xclip
    xclip -quiet -selection clipboard -t UTF8_STRING -i "$1" >/dev/null 2>&1 &
    xclip_pid=$!
    local i
    for ((i = 0; i < 50; ++i)); do
        if timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1"; then
            return 0
        fi
        sleep 0.1
    done
    fail "xclip does not serve the clipboard"
}

# "&Copy To Clipboard", its confirmation dismissed with Return, the clipboard
# read into the file.
copy_out() { # <file>
    local box
    focus_main
    keys alt+e c
    if ! box=$(find_window "$(exact "$copy_title")" 100); then
        if xdotool search --onlyvisible --name "$(exact "$refusal_title")" >/dev/null 2>&1; then
            fail "a refusal message box came up instead of the copy confirmation"
        fi
        fail "no copy confirmation titled '$copy_title' within 10 s"
    fi
    xdotool windowfocus --sync "$box" 2>/dev/null
    keys Return
    window_gone "$(exact "$copy_title")" 50 || fail "the copy confirmation does not close on Return"
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING >"$1" 2>"$work/xclip.err" ||
        fail "cannot read the clipboard: $(cat "$work/xclip.err")"
}

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
    local shooter
    shooter="$(dirname "$tool")/velk_window_shot"
    [ -x "$shooter" ] || return 0
    "$shooter" "$main_window" "$PWD/$1" >/dev/null 2>&1 && echo "e2e: screenshot $PWD/$1"
}

# ---- the X server ----------------------------------------------------------

step="start Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for ((i = 0; i < 100; ++i)); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
display=$(head -n 1 "$work/display" 2>/dev/null)
[ -n "$display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY QT_STYLE_OVERRIDE
# In the sanitizer build: system libraries' leaks are not the program's.
LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
echo "e2e: Xvfb on $DISPLAY"

# ---- the program -----------------------------------------------------------

step="start the program"
(
    "$program" >"$work/program.log" 2>&1 &
    echo $! >"$work/program.pid"
    wait $!
    echo $? >"$work/program.status.tmp"
    mv "$work/program.status.tmp" "$work/program.status"
) &
runner_pid=$!
if ! main_window=$(find_window "$(exact "$caption")" 300); then
    program_alive || fail "the program ended with status $(cat "$work/program.status") before its window showed"
    fail "no window titled '$caption' within 30 s"
fi
echo "e2e: window $main_window"

# ---- the text --------------------------------------------------------------

# Several lines: the six non-ASCII Alphabet characters, letters, digits,
# punctuation with the double quote and '!', and a final line break.
# shellcheck disable=SC2016  # the dollar sign is part of the text
printf '%s\n%s\n%s\n%s\n' \
    $'Non-ASCII: \302\254 \302\243 \342\202\254 \302\277 \302\247 \303\230 done' \
    'The quick brown fox jumps over the lazy dog, 0123456789 times!' \
    'Punctuation: "quoted" (round) [square] {curly} <angle> #~@ 50% & $5 ^_^ +=-`|\/;:'"'" \
    'Last line!' >"$work/plain"

"$tool" --pin "$pin" "${tool_keys[@]}" <"$work/plain" >"$work/expected_cipher" 2>"$work/tool.err" ||
    fail "velk_cipher_tool failed: $(cat "$work/tool.err")"
cmp -s "$work/plain" "$work/expected_cipher" && fail "velk_cipher_tool left the text unchanged"

# ---- type the PIN, paste the text ------------------------------------------

step="type the PIN"
focus_main
xdotool type --delay 60 "$pin"

step="Tab to Text1 and paste"
serve_clipboard "$work/plain"
focus_main
keys Tab ctrl+v
sleep 0.3

# ---- encipher: the first item is active when the menu opens ------------------

step="Encrypt by alt+e, Return"
focus_main
keys alt+e Return
sleep 0.3
screenshot "e2e_${edition}_after_encrypt.png"

step="copy the cipher text"
copy_out "$work/got_cipher"
expect_same "the cipher text on the clipboard" "$work/expected_cipher" "$work/got_cipher"
cmp -s "$work/plain" "$work/got_cipher" && fail "the cipher text equals the plain text"
echo "e2e: the cipher text equals the engine's ($(wc -c <"$work/got_cipher") bytes)"

# ---- paste the cipher text back and decipher ---------------------------------

step="paste the cipher text back"
serve_clipboard "$work/got_cipher"
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
expect_same "the deciphered text" "$work/plain" "$work/got_plain"
echo "e2e: the plain text came back exactly"

# ---- leave: "e" moves from the active first item to "&Exit" ----------------

step="Exit by alt+e, e, Return"
focus_main
keys alt+e e
xdotool key Return
exit_sent=$(date +%s%N)
for ((i = 0; i < 60; ++i)); do
    [ -e "$work/program.status" ] && break
    sleep 0.05
done
[ -e "$work/program.status" ] || fail "the program is still running 3 s after Exit"
elapsed_ms=$((($(date +%s%N) - exit_sent) / 1000000))
status=$(cat "$work/program.status")
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "e2e: the program ended $elapsed_ms ms after Exit, status 0"

echo "e2e: PASS ($edition) in $((($(date +%s%N) - started) / 1000000)) ms"
