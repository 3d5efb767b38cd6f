#!/bin/sh
# Checks the committed icon files against what the package and the window
# need of them:
#
#   check_icons.sh <packaging-icons-dir>
#
# - hicolor-<N>.png, N = 24 48 64 128 256: PNG, N x N, 8-bit RGBA;
# - velk-24.png, the window icon: PNG, 24 x 24, 24-bit RGB without alpha;
# - velk.svg: a square SVG picture, the source of both.
set -eu
dir=$1
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Prints "<width>x<height> <bit depth> <colour type>" of a PNG file, or
# nothing when the file does not start with the PNG signature and an IHDR.
png_header() {
    od -An -tu1 -N29 "$1" | tr -s ' \n' '  ' | awk '{
        if ($1 != 137 || $2 != 80 || $3 != 78 || $4 != 71) exit
        if ($13 != 73 || $14 != 72 || $15 != 68 || $16 != 82) exit
        printf "%dx%d %d %d\n",
            (($17 * 256 + $18) * 256 + $19) * 256 + $20,
            (($21 * 256 + $22) * 256 + $23) * 256 + $24, $25, $26 }'
}

for size in 24 48 64 128 256; do
    png=$dir/hicolor-$size.png
    # colour type 6: RGBA
    [ -f "$png" ] && [ "$(png_header "$png")" = "${size}x$size 8 6" ] ||
        fail "hicolor-$size.png is not a ${size}x$size RGBA PNG: $(png_header "$png" 2>/dev/null)"
done
# colour type 2: RGB, no alpha
[ -f "$dir/velk-24.png" ] && [ "$(png_header "$dir/velk-24.png")" = "24x24 8 2" ] ||
    fail "velk-24.png is not a 24x24 RGB PNG without alpha"
grep -q '<svg[^>]*viewBox="0 0 256 256"' "$dir/velk.svg" ||
    fail "velk.svg is not a square 256 x 256 picture"

[ $failures -eq 0 ] || exit 1
echo "icon files as expected"
