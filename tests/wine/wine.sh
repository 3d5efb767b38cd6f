#!/bin/sh
# Windows programs under Wine for the tests, in a Wine prefix of the build
# tree's own (never the user's ~/.wine), made on first use:
#
#   tests/wine/wine.sh PREFIX PROGRAM [ARGUMENT...]   runs PROGRAM
#   tests/wine/wine.sh PREFIX --keep-warm             keeps its wineserver running
#   tests/wine/wine.sh PREFIX --shut-down             ends it, and what runs in the prefix
#
# A prefix takes 10 to 20 s to make, a wineserver about a second to start:
# made once, the prefix stays; its wineserver is kept from the first program
# of a test run to the --shut-down at its end.
set -eu

[ $# -ge 2 ] || { echo "usage: $0 PREFIX PROGRAM [ARGUMENT...] | --keep-warm | --shut-down" >&2; exit 2; }
WINEPREFIX=$(realpath -m "$1")
shift
# No Mono or Gecko install dialogs and no menu entries or files in $HOME;
# Wine's own messages off.
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

# Made once, under a lock: by the first of the tests that start together.
make_prefix() {
    [ -f "$WINEPREFIX/.made" ] && return
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.made" ] && exit
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        # Without a window manager, windows Wine manages lose the focus and
        # a closed message box stalls for 2 s.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        wineserver -w
        touch "$WINEPREFIX/.made"
    ) 9>"$WINEPREFIX.lock"
}

# A wineserver that outlives its programs by a minute, as one Wine starts
# by itself would not, with Wine's own services (started by the first
# program, they last as long as the server); when one runs already, it is
# left as it is. Both detached from the output of the test: ctest reads
# that to its end, which would come only with them.
keep_warm() {
    if wineserver -p60 </dev/null >/dev/null 2>&1; then
        wineboot </dev/null >/dev/null 2>&1
    fi
}

case $1 in
    --keep-warm)
        make_prefix
        keep_warm
        ;;
    --shut-down)
        [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
        ;;
    *)
        make_prefix
        keep_warm
        exec wine "$@"
        ;;
esac
