#!/bin/bash
# Builds the Debian package from a built build directory and checks it: its
# fields, owners, modes and exact contents, the validators and lintian with
# no error or warning, each extracted window program shown and ended through
# "&Exit", and velk-encrypt-decrypt's help and a round trip.
#
#   check_package.sh <build-dir> <version>
set -u
build=$1
version=$2
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
package=velk-encrypt-decrypt
editions=(VelkEncryptDecryptV2:"Velk Encrypt Decrypt V2" VelkEncryptDecrypt:"Velk Encrypt Decrypt")

step="cpack"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "$(tail -n 20 "$work/cpack.log")"
deb=$work/out/${package}_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") but: $(ls "$work/out")"

step="control fields"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in "fonts-liberation (>= 1:2.1) | fonts-liberation2" libqt6widgets6 libqt6core6 libc6; do
    grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
dpkg-deb -f "$deb" Description | tr '\n' ' ' | grep -q "not modern *authenticated encryption" ||
    fail "the description does not say what the cipher is not"

step="ownership, modes and contents"
bad=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
    ($1 ~ /^-/ && $1 != ($6 ~ /^\.\/usr\/bin\// ? "-rwxr-xr-x" : "-rw-r--r--")) || $1 !~ /^[-d]/')
[ -z "$bad" ] || fail "members of other owners, modes or types: $bad"
root=$work/root
dpkg-deb -x "$deb" "$root"
expected=(usr/bin/{VelkEncryptDecryptV2,VelkEncryptDecrypt,$package}
    usr/share/man/man1/{VelkEncryptDecryptV2,VelkEncryptDecrypt,$package}.1.gz
    usr/share/applications/org.velk.EncryptDecrypt{V2,}.desktop
    usr/share/metainfo/org.velk.EncryptDecrypt{V2,}.metainfo.xml
    usr/share/icons/hicolor/{24x24,48x48,64x64,128x128,256x256}/apps/"$package".png
    usr/share/icons/hicolor/scalable/apps/"$package".svg
    usr/share/doc/"$package"/{copyright,changelog.gz})
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | cut -c3- | sort) ||
    fail "the package holds other files than expected"

step="validators"
for edition in "${editions[@]}"; do
    program=${edition%%:*}
    entry=$root/usr/share/applications/org.velk.${program#Velk}.desktop
    desktop-file-validate "$entry" || fail "$entry"
    grep -qx "Exec=$program" "$entry" || fail "$entry does not start $program"
done
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 ||
    fail "$(cat "$work/appstream.log")"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "$(cat "$work/lintian.log")"

start_xvfb
for edition in "${editions[@]}"; do
    start_program "${edition#*:}" "$root/usr/bin/${edition%%:*}"
    exit_by_menu
done
step="$package from the package"
if ! help=$("$root/usr/bin/$package" --help) || ! grep -q -- --inverse <<<"$help" ||
    ! grep -q "casual privacy" <<<"$help"; then
    fail "--help tells nothing of --inverse and casual privacy"
fi
printf 'Line one\r\nline two \342\202\254\n' >"$work/plain"
if ! "$root/usr/bin/$package" --pin-fd 3 <"$work/plain" 3<<<12345678 >"$work/cipher" ||
    ! "$root/usr/bin/$package" --inverse --pin-fd 3 <"$work/cipher" 3<<<12345678 | cmp - "$work/plain"; then
    fail "a text enciphered and deciphered again is not the text"
fi
echo "package: PASS ($(du -k "$deb" | cut -f1) KiB; Depends: $depends)"
