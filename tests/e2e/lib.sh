# shellcheck shell=bash
# shellcheck disable=SC2034,SC2154  # variables shared with the sourcing script
# Sourced by the end-to-end scripts: a private X server, the program under
# test started in it, and the xdotool and xclip steps that drive it the way a
# user does. The sourcing script sets `program` (and may set `program_env`,
# NAME=value words for the program's environment), then calls set_edition,
# need_tools, make_work, start_xvfb and start_program.
#
# Needs Xvfb, xdotool and xclip.

step="start"
started=$(date +%s%N)
work=""
xvfb_pid=""
xclip_pid=""
runner_pid=""
program_env=()

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

# The window titles of the edition, and velk-encrypt-decrypt's keys option for it.
set_edition() { # <v2|classic>
    case $1 in
    v2)
        caption='Velk Encrypt Decrypt V2'
        refusal_title=' Velk Encrypt Decrypt V2'
        cli_keys=(--keys 01 02 03 04)
        ;;
    classic)
        caption='Velk Encrypt Decrypt'
        refusal_title=' Velk Encrypt Decrypt'
        cli_keys=(--classic)
        ;;
    *)
        echo "$(basename "$0"): unknown edition '$1' (v2 or classic)" >&2
        exit 2
        ;;
    esac
    copy_title=' Velk Encrypt Decrypt '
}

need_tools() {
    local needed
    for needed in Xvfb xdotool xclip; do
        command -v "$needed" >/dev/null 2>&1 || fail "$needed is not installed (make deps installs it)"
    done
    [ -x "$program" ] || fail "no program at $program"
}

# The private working folder, removed on exit with everything started here.
make_work() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/velk-e2e.XXXXXX") || exit 1
    trap cleanup EXIT
    trap 'exit 1' INT TERM HUP
}

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

# ---- the X server ----------------------------------------------------------

start_xvfb() {
    step="start Xvfb"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i display
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
    LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/../sanitizer" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export LSAN_OPTIONS
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR="$work/runtime"
    echo "e2e: Xvfb on $DISPLAY"
}

# ---- the program -----------------------------------------------------------

# Starts the program with program_env added to its environment and waits for
# its main window; sets main_window.
start_program() {
    step="start the program"
    (
        env "${program_env[@]}" "$program" >"$work/program.log" 2>&1 &
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
}

# The PIN typed into the PIN box, then Tab to Text1 and the file pasted there.
enter_pin_and_text() { # <pin> <file>
    step="type the PIN"
    focus_main
    xdotool type --delay 60 "$1"

    step="Tab to Text1 and paste"
    serve_clipboard "$2"
    focus_main
    keys Tab ctrl+v
    sleep 0.3
}

# Encipher: the first item is active when the menu opens.
encrypt_by_menu() {
    step="Encrypt by alt+e, Return"
    focus_main
    keys alt+e Return
    sleep 0.3
}

# Leave: "e" moves from the active first item to "&Exit". The program must
# end within 3 s with status 0.
exit_by_menu() {
    step="Exit by alt+e, e, Return"
    focus_main
    keys alt+e e
    xdotool key Return
    local exit_sent elapsed_ms status i
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
}
