#!/bin/bash
# Checks a release folder as a user downloads it: exactly the files a
# release holds, each listed in SHA256SUMS with its right sum, and each
# carrying the release's version, in its name and inside.
#
#   check_dist.sh <dist folder> <version>
set -u
export LC_ALL=C
dist=$(realpath "$1")
version=$2
name=velk-encrypt-decrypt-$version
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "check_dist: $*" >&2; failed=1; }

expected=("${name/-$version/_$version}_$(dpkg --print-architecture).deb"
    "VelkEncryptDecrypt-$version-setup.exe" "VelkEncryptDecrypt-$version-win64.zip"
    "VelkEncryptDecryptV2-$version.html" "VelkEncryptDecrypt-$version.html"
    "$name.tar.gz" "$name-release-notes.md")
# The served folder is there only where the web build makes one.
[ -e "$dist/$name-site.tar.gz" ] && expected+=("$name-site.tar.gz")
diff <(printf '%s\n' "${expected[@]}" SHA256SUMS | sort) <(find "$dist" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort) ||
    fail "the folder holds other files than a release's (< expected, > found)"
diff <(printf '%s\n' "${expected[@]}" | sort) <(sed 's/^[0-9a-f]\{64\}  //' "$dist/SHA256SUMS") ||
    fail "SHA256SUMS lists other files than the release's, or not in order"
(cd "$dist" && sha256sum --check --strict --quiet SHA256SUMS) || fail "a sum in SHA256SUMS is wrong"

# The version inside each, where a user or a package manager reads it.
has() { # <what> <file> <fixed string>
    grep -qF -- "$3" "$2" || fail "$1 does not say $3"
}
deb=$dist/${expected[0]}
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's Version is not $version"
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/velk-encrypt-decrypt/changelog.gz |
    gzip -dc | head -n 1 | grep -qF "velk-encrypt-decrypt ($version)" ||
    fail "the package's changelog does not begin with $version"
strings -e l "$dist/VelkEncryptDecrypt-$version-setup.exe" | grep -qx "$version" ||
    fail "the installer's version information is not $version"
(cd "$work" && cmake -E tar xf "$dist/VelkEncryptDecrypt-$version-win64.zip") ||
    fail "the zip does not unpack"
for program in VelkEncryptDecryptV2 VelkEncryptDecrypt velk-encrypt-decrypt; do
    strings -e l "$work/VelkEncryptDecrypt-$version-win64/$program.exe" 2>/dev/null |
        grep -qx "$version" || fail "$program.exe in the zip is not of version $version"
done
has "the zip's README.txt" "$work/VelkEncryptDecrypt-$version-win64/README.txt" \
    "Velk Encrypt Decrypt $version for Windows"
has "the V2 page" "$dist/VelkEncryptDecryptV2-$version.html" "Velk Encrypt Decrypt V2 $version:"
has "the classic page" "$dist/VelkEncryptDecrypt-$version.html" "Velk Encrypt Decrypt $version:"
tar -xzf "$dist/$name.tar.gz" -C "$work" "$name/CMakeLists.txt" ||
    fail "the source archive has no $name/CMakeLists.txt"
grep -qE "^project\([A-Za-z]+ VERSION $version " "$work/$name/CMakeLists.txt" 2>/dev/null ||
    fail "the source archive is not of version $version"
head -n 1 "$dist/$name-release-notes.md" | grep -qF "Velk Encrypt Decrypt $version " ||
    fail "the release notes are not those of $version"
if [ -e "$dist/$name-site.tar.gz" ]; then
    tar -tzf "$dist/$name-site.tar.gz" | grep -qv "^$name-site/" &&
        fail "the served folder's archive holds more than $name-site/"
fi
exit $failed
