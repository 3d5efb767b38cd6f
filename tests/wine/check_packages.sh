#!/bin/bash
# The Windows packages as a user's system sees them. The installer, under
# Wine as an administrator's silent install and removal: /S puts the three
# programs, the README, the licence and the uninstaller under Program Files,
# a Start-menu entry that starts each edition, and the Add or Remove
# Programs entry in the 64-bit registry; the uninstaller's /S takes all of
# it away again. While an edition runs, neither changes anything and both
# end with exit status 2. The portable zip holds the same five files.
#
#   check_packages.sh <folder of the packages> <version> <Wine prefix>
set -u
setup="$1/VelkEncryptDecrypt-$2-setup.exe"
zip="$1/VelkEncryptDecrypt-$2-win64.zip"
version=$2
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
# shellcheck source-path=SCRIPTDIR source=desktop.sh
source "$(dirname "$0")/desktop.sh"
start_xvfb
wine_up "$3"

folder='C:\Program Files\Velk Encrypt Decrypt'
unix_folder="$WINEPREFIX/drive_c/Program Files/Velk Encrypt Decrypt"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelkEncryptDecrypt'
files=(VelkEncryptDecryptV2.exe VelkEncryptDecrypt.exe velk-encrypt-decrypt.exe README.txt LICENSE.txt uninstall.exe)
declare -A programs=(["Velk Encrypt Decrypt V2"]=VelkEncryptDecryptV2.exe ["Velk Encrypt Decrypt"]=VelkEncryptDecrypt.exe)

step="clear what a failed run left"
rm -rf "$unix_folder" "$menu/Velk Encrypt Decrypt"*.lnk
for view in 32 64; do wine reg delete "$key" /reg:$view /f >/dev/null 2>&1; done

step="install with /S"
wine "$setup" /S || fail "exit status $?"
for file in "${files[@]}"; do
    [ -s "$unix_folder/$file" ] || fail "no $file in $folder"
done
grep -qv $'\r$' "$unix_folder/README.txt" && fail "README.txt has a line without CR LF"
grep -qE 'apt|make run|\.md|\.png' "$unix_folder/README.txt" && fail "README.txt is not for Windows users"

step="the zip"
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
unpacked="$work/VelkEncryptDecrypt-$version-win64"
unpacked_files=("$unpacked"/*)
[ ${#unpacked_files[@]} -eq 5 ] || fail "the zip holds: ${unpacked_files[*]}"
for file in "${files[@]:0:5}"; do
    cmp "$unpacked/$file" "$unix_folder/$file" || fail "the zip's $file is not the installer's"
done

step="the Add or Remove Programs entry"
wine reg query "$key" /reg:64 | tr -d '\r' | tr -s ' ' >"$work/key"
while read -r line; do
    grep -qxF " $line" "$work/key" || fail "no '$line' in: $(cat "$work/key")"
done <<END
DisplayName REG_SZ Velk Encrypt Decrypt
DisplayVersion REG_SZ $version
Publisher REG_SZ Velk Encrypt Decrypt developers
DisplayIcon REG_SZ $folder\\VelkEncryptDecryptV2.exe,0
InstallLocation REG_SZ $folder
UninstallString REG_SZ "$folder\\uninstall.exe"
QuietUninstallString REG_SZ "$folder\\uninstall.exe" /S
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
END
size=$(sed -n 's/^ EstimatedSize REG_DWORD //p' "$work/key")
[ $((size)) -ge $(($(du -sk "$unix_folder" | cut -f1) * 9 / 10)) ] || fail "EstimatedSize is $size KiB"

# NSIS's _?= runs the uninstaller in place, so that its exit status is seen;
# it must come last and unquoted, which only a command line of cmd's own
# passes through Wine.
step="install and uninstall while an edition runs"
printf '"%s\\uninstall.exe" /S _?=%s\r\nexit /b %%errorlevel%%\r\n' "$folder" "$folder" >"$work/uninstall.bat"
start_program "Velk Encrypt Decrypt" wine "$unix_folder/VelkEncryptDecrypt.exe"
wine "$setup" /S
status=$?
[ "$status" -eq 2 ] || fail "installing over the running program: exit status $status"
wine cmd /c "$work/uninstall.bat" >/dev/null
status=$?
[ "$status" -eq 2 ] || fail "uninstalling while the program runs: exit status $status"
for file in "${files[@]}"; do
    [ -s "$unix_folder/$file" ] || fail "$file is gone"
done
wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the key $key is gone"
xdotool windowfocus --sync "$window" key alt+F4
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "still running 10 s after Alt+F4"

# Each entry starts its edition from the folder; Alt+F4 lets it slide away.
for name in "${!programs[@]}"; do
    step="start '$name' from the Start menu"
    [ -s "$menu/$name.lnk" ] || fail "no Start-menu entry"
    wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$name\$" | head -n 1)
    [ -n "$window" ] || fail "no window titled '$name'"
    pid=$(xdotool getwindowpid "$window")
    command=$(tr '\0' '\n' <"/proc/$pid/cmdline" | head -n 1)
    [ "$command" = "$folder\\${programs[$name]}" ] || fail "the window is of '$command'"
    xdotool windowfocus --sync "$window" key alt+F4
    timeout 10 tail --pid="$pid" -f /dev/null || fail "still running 10 s after Alt+F4"
done

# The uninstaller returns at once and works on from a copy of itself.
step="uninstall with /S"
wine "$folder\\uninstall.exe" /S || fail "exit status $?"
for _ in $(seq 100); do [ -e "$unix_folder" ] || break; sleep 0.1; done
[ ! -e "$unix_folder" ] || fail "left in $folder: $(ls "$unix_folder")"
for name in "${!programs[@]}"; do
    [ ! -e "$menu/$name.lnk" ] || fail "the Start-menu entry '$name' is left"
done
wine reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the key $key is left"
echo "Windows packages: PASS"
