#!/bin/bash
# velk-encrypt-decrypt.exe as the README shows it to Windows users: in
# cmd.exe, the PIN as the first line of standard input (type writes the
# files one after the other), the text after it. The cipher text is
# velk-encrypt-decrypt's for Linux, byte for byte, and --inverse gives the
# text back the same way.
#
#   run_cli_cmd.sh <velk-encrypt-decrypt.exe> <velk-encrypt-decrypt> <wine.sh> <Wine prefix>
set -u
exe=$1
cli=$2
shift 2
if [ ! -x "$cli" ]; then
    echo "SKIP: no velk-encrypt-decrypt for Linux at '$cli' to check against (make build makes it)"
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/velk-cmd.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$exe" "$work/velk-encrypt-decrypt.exe"
cd "$work" || exit 1
printf '27182818\r\n' >pin.txt
printf 'Dear reader,\r\nthe \xc2\xa3 and the \xe2\x82\xac "quoted".\r\n' >letter.txt
"$cli" --pin-fd 3 3<<<27182818 <letter.txt >expected.velk || fail "velk-encrypt-decrypt failed"

"$@" cmd /c "type pin.txt letter.txt | velk-encrypt-decrypt.exe --pin-fd 0 >letter.velk" ||
    fail "enciphering in cmd: exit status $?"
cmp letter.velk expected.velk || fail "the cipher text is not velk-encrypt-decrypt's"
"$@" cmd /c "type pin.txt letter.velk | velk-encrypt-decrypt.exe --inverse --pin-fd 0 >back.txt" ||
    fail "deciphering in cmd: exit status $?"
cmp back.txt letter.txt || fail "--inverse does not give the letter back"
echo "cmd: PASS"
