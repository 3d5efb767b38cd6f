#!/bin/sh
# Checks velk_cipher_tool before the end-to-end tests trust it: its results
# must come back through the other direction byte for byte (which exercises
# the UTF-8 converter on 2-, 3- and 4-byte characters), and input it cannot
# convert exactly must be refused rather than altered.
#   check_cipher_tool.sh <velk_cipher_tool>
set -u
tool=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/velk-tool.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT INT TERM
failures=0

fail() {
    echo "check_cipher_tool: FAIL: $*" >&2
    failures=$((failures + 1))
}

# The six non-ASCII Alphabet characters, the double quote, text outside the
# Alphabet (NBSP, tab, Greek, CJK, an emoji as a surrogate pair), and no
# line break at the end.
printf 'Plain \302\254 \302\243 \342\202\254 \302\277 \302\247 \303\230 "quoted" 0123!\n\tNBSP:\302\240 \316\261\316\262 \344\270\255 \360\237\230\200\nlast line' \
    >"$work/plain"

round_trip() { # <label> <first direction> <second direction> <extra args...>
    label=$1 there=$2 back=$3
    shift 3
    if ! "$tool" --pin 31415926 --direction "$there" "$@" <"$work/plain" >"$work/mid"; then
        fail "$label: $there run failed"
        return
    fi
    if cmp -s "$work/mid" "$work/plain"; then
        fail "$label: the $there run left the text unchanged"
    fi
    if ! "$tool" --pin 31415926 --direction "$back" "$@" <"$work/mid" >"$work/back"; then
        fail "$label: $back run failed"
        return
    fi
    cmp -s "$work/back" "$work/plain" || fail "$label: $there then $back does not give the text back"
}

round_trip "one pass, default keys" forward inverse
round_trip "three passes, keys 05 17 42 99" forward inverse --passes 3 --keys 05 17 42 99
round_trip "inverse first, 2 passes" inverse forward --passes 2

# The same text under another PIN or other keys enciphers differently.
"$tool" --pin 31415926 <"$work/plain" >"$work/a"
"$tool" --pin 31415927 <"$work/plain" >"$work/b"
"$tool" --pin 31415926 --keys 01 02 04 03 <"$work/plain" >"$work/c"
cmp -s "$work/a" "$work/b" && fail "another PIN gives the same cipher text"
cmp -s "$work/a" "$work/c" && fail "other keys give the same cipher text"

# Bytes that are no exact UTF-8 are refused with status 2 and no output:
# a stray continuation byte, a truncated sequence, an overlong '/', an
# encoded surrogate.
for bad in '\200' 'ab\342\202' '\300\257' '\355\240\200'; do
    # shellcheck disable=SC2059  # the escapes in $bad are meant for printf
    printf "$bad" | "$tool" --pin 31415926 >"$work/out" 2>/dev/null
    status=$?
    [ "$status" -eq 2 ] || fail "input '$bad' gave status $status, expected 2"
    [ -s "$work/out" ] && fail "input '$bad' produced output"
done

# Refused arguments.
for args in "--pin 1234567" "--pin 12345678 --keys 01 01 02 03" "--pin 12345678 --passes 257" \
    "--pin 12345678 --direction sideways"; do
    # shellcheck disable=SC2086
    "$tool" $args </dev/null >/dev/null 2>&1
    status=$?
    [ "$status" -eq 2 ] || fail "arguments '$args' gave status $status, expected 2"
done

if [ "$failures" -ne 0 ]; then
    echo "check_cipher_tool: $failures check(s) failed" >&2
    exit 1
fi
echo "check_cipher_tool: all checks passed"
