# shellcheck shell=bash
# Windows programs on the private X server of tests/e2e/lib.sh (sourced
# first): Wine in a prefix of its own, made by wine.sh on first use. Its
# desktop process keeps the X display it started on, and the X clipboard
# with it, so the prefix's wineserver starts with the X server and ends with
# the script, and only one script uses the prefix at a time.

# shellcheck disable=SC2154  # pids and work are lib.sh's
wine_up() { # <prefix>
    export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
    WINEPREFIX=$(realpath -m "$1")
    wineserver -k 2>/dev/null  # one left from a run that was killed
    trap 'wineserver -k 2>/dev/null; kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
    "$(dirname "${BASH_SOURCE[0]}")/wine.sh" "$WINEPREFIX" --keep-warm || fail "no Wine prefix in $1"
}

