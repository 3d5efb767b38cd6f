#!/bin/sh
# Builds the Debian package from a configured and built build directory and
# checks it as a user's system would see it:
#
#   check_package.sh <build-dir> <version> <window program>...
#
#  1. cpack builds exactly one .deb, named <package>_<version>_<arch>.deb;
#  2. its control fields: name, version, section, maintainer, the computed
#     dependencies, and a description that says what the cipher is not;
#  3. every member is owned by root, with the modes Debian expects;
#  4. extracted with dpkg-deb -x: the given window programs and the
#     command-line program velk-encrypt-decrypt, no others, stripped; per
#     window program a menu entry whose Exec and Icon resolve inside the package,
#     AppStream metadata, a compressed manual page; the icon at every size
#     with the size its folder names, and the scalable picture; the
#     copyright file and the compressed changelog;
#  5. desktop-file-validate on every menu entry, appstreamcli validate on
#     every metainfo file, lintian on the package without an error;
#  6. each extracted window program under its own Xvfb shows its window,
#     found by its title, and ends with status 0 through the menu's "&Exit";
#  7. the extracted velk-encrypt-decrypt: its manual page, --help, and a text
#     enciphered and deciphered again with the PIN on a descriptor.
set -eu

if [ $# -lt 3 ]; then
    echo "usage: $0 <build-dir> <version> <window program>..." >&2
    exit 2
fi
build=$1
version=$2
shift 2
programs="$*"

package=velk-encrypt-decrypt
cli=velk-encrypt-decrypt
icon=velk-encrypt-decrypt
icon_sizes="24 48 64 128 256"
# How long a program may take to show its window or to end; only a bound
# against hanging, not a measure of speed.
patience=30

work=$(mktemp -d)
app_pid=""
xvfb_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
}
# Stops at once: the checks after this one depend on it.
fatal() {
    echo "FAIL: $*" >&2
    exit 1
}

# The application id and the window title of each program.
app_id() {
    case $1 in
        VelkEncryptDecryptV2) echo org.velk.EncryptDecryptV2 ;;
        VelkEncryptDecrypt) echo org.velk.EncryptDecrypt ;;
        *) fatal "unknown program $1" ;;
    esac
}
window_title() {
    case $1 in
        VelkEncryptDecryptV2) echo "Velk Encrypt Decrypt V2" ;;
        VelkEncryptDecrypt) echo "Velk Encrypt Decrypt" ;;
        *) fatal "unknown program $1" ;;
    esac
}

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{
        printf "%dx%d\n", (($1 * 256 + $2) * 256 + $3) * 256 + $4,
                          (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}

# The value of a key in the [Desktop Entry] group of a .desktop file.
desktop_value() {
    awk -F= -v key="$2" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && $1 == key { sub(/^[^=]*=/, ""); print; exit }
    ' "$1"
}

# ---- 1. the package builds ------------------------------------------------
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" \
        >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fatal "cpack could not build the package"
fi
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fatal "expected exactly one .deb, found: $*"
deb=$1
arch=$(dpkg --print-architecture)
expected_name="${package}_${version}_${arch}.deb"
if [ "$(basename "$deb")" = "$expected_name" ]; then
    pass "package $expected_name, $(du -k "$deb" | cut -f1) KiB"
else
    fail "package file is $(basename "$deb"), expected $expected_name"
fi

# ---- 2. control fields ------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
case $(field Maintainer) in
    *"<"*@*">") ;;
    *) fail "Maintainer '$(field Maintainer)' has no address" ;;
esac
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$lib\( \|$\)" ||
        fail "Depends lacks $lib: $depends"
done
description=$(field Description)
echo "$description" | grep -q "rotor-style" ||
    fail "the description does not say what the cipher is"
echo "$description" | tr '\n' ' ' | grep -q "not modern *authenticated encryption" ||
    fail "the description does not say what the cipher is not"
pass "control fields; Depends: $depends"

# ---- 3. ownership and modes -------------------------------------------------
dpkg-deb -c "$deb" >"$work/contents"
bad=$(awk '$2 != "root/root" { print $2, $6 }' "$work/contents")
[ -z "$bad" ] || fail "members not owned by root/root: $bad"
bad=$(awk '
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $6 }
    $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print $1, $6 }
    $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print $1, $6 }
    $1 !~ /^[-d]/ { print $1, $6 }' "$work/contents")
[ -z "$bad" ] || fail "members with unexpected modes or types: $bad"
pass "ownership and modes"

# ---- 4. contents ------------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

found=$(ls "$root/usr/bin" | sort | tr '\n' ' ')
wanted=$(printf '%s\n' $programs $cli | sort | tr '\n' ' ')
[ "$found" = "$wanted" ] || fail "usr/bin holds '$found', expected '$wanted'"
entries=0
for program in $programs; do
    id=$(app_id "$program")
    exe=$root/usr/bin/$program
    [ -x "$exe" ] || { fail "$program is missing or not executable"; continue; }
    if readelf -S "$exe" | grep -q '\.symtab'; then
        fail "$program is not stripped"
    fi
    entry=$share/applications/$id.desktop
    if [ -f "$entry" ]; then
        entries=$((entries + 1))
        [ "$(desktop_value "$entry" Exec)" = "$program" ] ||
            fail "$id.desktop: Exec is '$(desktop_value "$entry" Exec)'"
        [ "$(desktop_value "$entry" Name)" = "$(window_title "$program")" ] ||
            fail "$id.desktop: Name is '$(desktop_value "$entry" Name)'"
        [ "$(desktop_value "$entry" Icon)" = "$icon" ] ||
            fail "$id.desktop: Icon is '$(desktop_value "$entry" Icon)'"
        [ -z "$(desktop_value "$entry" MimeType)" ] ||
            fail "$id.desktop: the programs open no files, yet MimeType is set"
    else
        fail "no menu entry $id.desktop"
    fi
    metainfo=$share/metainfo/$id.metainfo.xml
    if [ -f "$metainfo" ]; then
        grep -q "<id>$id</id>" "$metainfo" || fail "$id.metainfo.xml: wrong id"
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
            fail "$id.metainfo.xml: launchable does not name $id.desktop"
        grep -q "<release version=\"$version\"" "$metainfo" ||
            fail "$id.metainfo.xml: no release $version"
        grep -q "<binary>$program</binary>" "$metainfo" ||
            fail "$id.metainfo.xml: does not provide $program"
        grep -q "<screenshot" "$metainfo" || fail "$id.metainfo.xml: no screenshot"
    else
        fail "no AppStream metadata $id.metainfo.xml"
    fi
    manpage=$share/man/man1/$program.1.gz
    if [ -f "$manpage" ] && gzip -t "$manpage"; then
        # The NAME line names the program, and the page says it takes no options.
        text=$(MANWIDTH=200 man -l "$manpage" 2>/dev/null)
        echo "$text" | grep -q "^ *$program - " || fail "$program.1: NAME does not name $program"
        echo "$text" | grep -q "takes no options" || fail "$program.1: does not say it takes no options"
    else
        fail "no compressed manual page $program.1.gz"
    fi
done
n_entries=$(ls "$share/applications" 2>/dev/null | wc -l)
[ "$n_entries" -eq "$entries" ] ||
    fail "usr/share/applications holds $n_entries entries for $entries programs"
for size in $icon_sizes; do
    png=$share/icons/hicolor/${size}x$size/apps/$icon.png
    if [ -f "$png" ]; then
        [ "$(png_size "$png")" = "${size}x$size" ] ||
            fail "$png is $(png_size "$png"), not ${size}x$size"
    else
        fail "no ${size}x$size icon"
    fi
done
svg=$share/icons/hicolor/scalable/apps/$icon.svg
[ -f "$svg" ] && grep -q "<svg" "$svg" || fail "no scalable icon"
doc=$share/doc/$package
grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$doc/copyright" 2>/dev/null || fail "no machine-readable $doc/copyright"
if [ -f "$doc/changelog.gz" ] && gzip -t "$doc/changelog.gz"; then
    gzip -dc "$doc/changelog.gz" | head -n 1 | grep -q "^$package ($version) " ||
        fail "changelog.gz does not begin with $package ($version)"
else
    fail "no compressed changelog"
fi
pass "contents: $programs, their entries, metadata and manual pages, every icon"

# ---- 5. validators ----------------------------------------------------------
for entry in "$share"/applications/*.desktop; do
    if out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ]; then
        pass "desktop-file-validate $(basename "$entry")"
    else
        fail "desktop-file-validate $(basename "$entry"): $out"
    fi
done
for metainfo in "$share"/metainfo/*.metainfo.xml; do
    if out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1); then
        pass "appstreamcli validate $(basename "$metainfo")"
    else
        fail "appstreamcli validate $(basename "$metainfo"): $out"
    fi
done
# The whole tree: every metainfo file against its menu entry and icons.
if out=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1); then
    pass "appstreamcli validate-tree"
else
    fail "appstreamcli validate-tree: $out"
fi
if lintian --fail-on error --display-info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1; then
    pass "lintian: no error"
else
    fail "lintian reports errors"
fi
grep -a -E '^[EWI]: ' "$work/lintian.log" || true

# ---- 6. each program starts, shows its window and ends through "&Exit" ------
for program in $programs; do
    exe=$root/usr/bin/$program
    [ -x "$exe" ] || continue
    title=$(window_title "$program")
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$work/display" ] && [ $tries -lt $((patience * 10)) ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; fatal "Xvfb did not start"; }
    DISPLAY=:$(cat "$work/display")
    export DISPLAY

    QT_QPA_PLATFORM=xcb "$exe" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(timeout "$patience" xdotool search --sync --onlyvisible \
        --name "^$title\$" 2>/dev/null | head -n 1) || true
    if [ -z "$window" ]; then
        cat "$work/app.log" >&2
        fail "$program: no window titled '$title'"
    else
        pass "$program: window '$title' shown"
        # alt+e opens the menu "&Encrypt Decrypt" with its first item, "&Encrypt
        # Or Decrypt Txt ", selected; "e" is the access key of that item and of
        # "&Exit", so one "e" moves on to "&Exit" and Return chooses it.
        xdotool windowfocus --sync "$window"
        xdotool key --delay 200 alt+e e Return
    fi

    tries=0
    while kill -0 "$app_pid" 2>/dev/null && [ $tries -lt $((patience * 10)) ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "$program: still running after \"&Exit\""
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    else
        status=0
        wait "$app_pid" || status=$?
        if [ "$status" -eq 0 ]; then
            pass "$program: ended through \"&Exit\" with status 0"
        else
            cat "$work/app.log" >&2
            fail "$program: ended with status $status"
        fi
    fi
    app_pid=""
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done

# ---- 7. the command-line program ----------------------------------------------
exe=$root/usr/bin/$cli
if [ -x "$exe" ]; then
    readelf -S "$exe" | grep -q '\.symtab' && fail "$cli is not stripped"
    manpage=$share/man/man1/$cli.1.gz
    if [ -f "$manpage" ] && gzip -t "$manpage"; then
        text=$(MANWIDTH=200 man -l "$manpage" 2>/dev/null)
        echo "$text" | grep -q "^ *$cli - " || fail "$cli.1: NAME does not name $cli"
        echo "$text" | grep -q -- "--pin-fd" || fail "$cli.1: does not document --pin-fd"
    else
        fail "no compressed manual page $cli.1.gz"
    fi
    if help=$("$exe" --help 2>&1); then
        echo "$help" | grep -q -- "--inverse" && echo "$help" | grep -q "casual privacy" ||
            fail "$cli --help does not tell of --inverse and casual privacy: $help"
    else
        fail "$cli --help failed: $help"
    fi
    printf '12345678\n' >"$work/pin"
    printf 'Line one\r\nline two \342\202\254\n' >"$work/plain"
    if "$exe" --pin-fd 3 3<"$work/pin" <"$work/plain" >"$work/cipher" &&
        "$exe" --inverse --pin-fd 3 3<"$work/pin" <"$work/cipher" >"$work/back" &&
        ! cmp -s "$work/plain" "$work/cipher" && cmp -s "$work/plain" "$work/back"; then
        pass "$cli: manual page, --help, a text enciphered and deciphered again"
    else
        fail "$cli does not encipher and decipher a text back"
    fi
else
    fail "$cli is missing or not executable"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all package checks passed"
