# shellcheck shell=bash
# The X harness of the end-to-end and package checks: a private Xvfb, a
# program started in it and found by its window title, and the xdotool and
# xclip steps that drive it as a user does. Sourcing it makes the working
# folder $work, removed on exit with everything started here.
# Needs Xvfb, xdotool and xclip (make deps installs them).

step="start"
work=$(mktemp -d "${TMPDIR:-/tmp}/velk-e2e.XXXXXX") || exit 1
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL at step '$step': $*" >&2
    [ -s "$work/program.log" ] && tail -n 20 "$work/program.log" >&2
    exit 1
}

start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    unset QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY QT_STYLE_OVERRIDE
    # In the sanitizer build: system libraries' leaks are not the program's.
    LSAN_OPTIONS="suppressions=$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../sanitizer/lsan.supp"
    export LSAN_OPTIONS
    mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR="$work/runtime"
}

# Runs the command and waits for its window titled <title>: sets $window
# and $program_pid.
start_program() { # <title> <command>...
    step="start $*"
    local title=$1
    shift
    "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] || fail "no window titled '$title'"
}

# Without a window manager nobody hands the focus back when a message box
# closes, so every step gives it to the main window first.
keys() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
    xdotool windowfocus --sync "$window" key --delay 80 "$@"
    sleep 0.3
}

# Offers the file on the X selection (clipboard or primary) as UTF-8 text
# until another client takes the selection over.
serve() { # <selection> <file>
    xclip -quiet -selection "$1" -t UTF8_STRING -i "$2" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        timeout 2 xclip -o -selection "$1" -t UTF8_STRING 2>/dev/null | cmp -s - "$2" && return
        sleep 0.1
    done
    fail "xclip does not serve the $1 selection"
}

# "&Copy To Clipboard", its confirmation closed with Return, the clipboard
# read into the file.
copy_out() { # <file>
    step="copy to the clipboard"
    keys alt+e c
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --name '^ Velk Encrypt Decrypt $' | head -n 1)
    [ -n "$box" ] || fail "no copy confirmation"
    xdotool windowfocus --sync "$box" key Return
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING >"$1" || fail "cannot read the clipboard"
}

# "e" moves from the first item, which the menu opens on, to "&Exit"; the
# program must end within 5 s with status 0.
exit_by_menu() {
    step="exit by alt+e, e, Return"
    keys alt+e e Return
    timeout 5 tail --pid="$program_pid" -f /dev/null || fail "still running 5 s after Exit"
    local status=0
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "ended with status $status"
}
