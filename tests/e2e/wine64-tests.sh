#!/usr/bin/env bash
# End-to-end tests of the 64-bit build of the launcher under wine64: real process creation, command
# processor, registry, Windows Installer and message box. msiexec is replaced by a recorder of our
# own, so the cases see exactly what the patch installer would have been given.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=$ROOT/build/e2e/wine64
mkdir -p "$OUT"
. "$ROOT/scripts/ensure-packages.sh"
. "$ROOT/tests/e2e/wine-lib.sh"
export LC_ALL=C.UTF-8  # code page 1252 in Wine, and UTF-8 file names on this side

# LAUNCHER runs the cases against another build, such as a deliberately broken one.
Launcher=${LAUNCHER:-$ROOT/build/windows-x64/setup.exe}
[ -f "$Launcher" ] || { echo "build the windows-x64 preset first"; exit 1; }
EnsureWinePackages

BuildTools "$OUT/tools" || exit 1
StartWine 64
InstallTools "$OUT/tools"

LayPackage Pkg "$Launcher"
cp "$Launcher" "$(Drive Pkg/update.exe)"
LayPackage "Program Files/Quorvane Pkg" "$Launcher"
LayPackage "Parent/Pkg" "$Launcher"
LayPackage "Setup Files" "$Launcher"
LayPackage "Product Setup" "$Launcher"
LayPackage "Пакет" "$Launcher"
LayPackage Planted "$Launcher"
cp "$OUT/tools/msi.dll" "$(Drive Planted/msi.dll)"
mkdir -p "$(Drive PlantedCwd)"
cp "$OUT/tools/msi.dll" "$(Drive PlantedCwd/msi.dll)"

Msiexec='C:\windows\system32\msiexec.exe /p QuorvaneServer12v5Update.msp '

Say "the version gate, through Windows Installer and through the uninstall entry"
GateCase() {  # name expect(pass|refuse) setup...
    Case "gate: $1"
    local expect=$2
    shift 2
    "$@"
    Launch 'C:\Pkg\setup.exe /qn' 'C:\'
    if [ "$expect" = pass ]; then ExpectPatchRun 'C:\Pkg\32-bit' "${Msiexec}/qn"; else ExpectRefusal; fi
    EndCase
    ClearProducts
}
GateCase "product 1 at 12.0.4.405 in Windows Installer" pass Install "$Product1" 12.0.4.405
GateCase "product 2 at 12.0.4.405 in Windows Installer" pass Install "$Product2" 12.0.4.405
GateCase "product 1 at 12.0.4.406 (newer build)" refuse Install "$Product1" 12.0.4.406
GateCase "product 2 at 12.0.5.0 (newer version)" refuse Install "$Product2" 12.0.5.0
GateCase "product 1 at '12.0.4.405 ' (trailing blank)" refuse Install "$Product1" "12.0.4.405 "
GateCase "product 1 at 12.0.04.405 (leading zero)" refuse Install "$Product1" 12.0.04.405
GateCase "uninstall entry at 12.0.4.405" pass SetUninstallEntry 64 12.0.4.405
GateCase "uninstall entry at 12.0.4.406" refuse SetUninstallEntry 64 12.0.4.406
GateCase "uninstall entry at 12.0.5.0" refuse SetUninstallEntry 64 12.0.5.0
GateCase "uninstall entry at '12.0.4.405 '" refuse SetUninstallEntry 64 "12.0.4.405 "
GateCase "uninstall entry only in the 32-bit view" refuse SetUninstallEntry 32 12.0.4.405
GateCase "nothing installed" refuse true

Install "$Product1" 12.0.4.405

Say "argument tails, as cmd.exe passes them on"
TailCase() {  # name tail forwarded
    Case "arguments: $1"
    Launch "C:\\Pkg\\setup.exe${2:+ $2}" 'C:\'
    ExpectPatchRun 'C:\Pkg\32-bit' "$Msiexec$3"
    EndCase
}
TailCase "none" "" ""
TailCase "/s" "/s" ""
TailCase "//ss" "//ss" ""
TailCase "/S" "/S" "/S"
TailCase "a longer switch beginning with /s" "/silent /qn" "ilent /qn"
TailCase "quoted values with blanks" 'TARGETDIR="C:\My Files" /qn /s PROP="a  b"' 'TARGETDIR="C:\My Files" /qn  PROP="a  b"'

Say "ways of starting the launcher"
StartCase() {  # name command-line current-directory package-folder
    Case "started as $1"
    Launch "$2" "$3"
    ExpectPatchRun "$4\\32-bit" "${Msiexec}/qn"
    EndCase
}
StartCase "a full path" 'C:\Pkg\setup.exe /qn' 'C:\' 'C:\Pkg'
StartCase "a full path in quotes with blanks" '"C:\Program Files\Quorvane Pkg\setup.exe" /qn' 'C:\' 'C:\Program Files\Quorvane Pkg'
StartCase "bare setup.exe from its folder" 'setup.exe /qn' 'C:\Pkg' 'C:\Pkg'
StartCase "a relative path from the parent folder" 'Pkg\setup.exe /qn' 'C:\Parent' 'C:\Parent\Pkg'
StartCase "a relative path from the drive's root" 'Pkg\setup.exe /qn' 'C:\' 'C:\Pkg'
StartCase "a full path through a folder named Setup Files" '"C:\Setup Files\setup.exe" /qn' 'C:\' 'C:\Setup Files'
StartCase "a full path through a folder named Product Setup" '"C:\Product Setup\setup.exe" /qn' 'C:\' 'C:\Product Setup'
StartCase "a renamed launcher" 'C:\Pkg\update.exe /qn' 'C:\' 'C:\Pkg'
StartCase "bare name in a folder outside the ANSI code page" 'setup.exe /qn' 'C:\Пакет' 'C:\Пакет'

Say "exit statuses"
Case "a command line too long to fit ends with 2 and starts nothing"
Launch "C:\\Pkg\\setup.exe /qn $(printf 'x%.0s' $(seq 1000))" 'C:\'
Expect "exit status" 2 "$Status"
Expect "msiexec started" "" "$Recorded"
EndCase

Case "a failing patch installer still ends with 0"
RECORDER_EXIT_CODE=1603 Launch 'C:\Pkg\setup.exe /qn' 'C:\'
ExpectPatchRun 'C:\Pkg\32-bit' "${Msiexec}/qn"
EndCase

Case "Wine's own msiexec with a file that is not a patch: still 0"
REAL_MSIEXEC=1 Launch 'C:\Pkg\setup.exe /qn' 'C:\'
Expect "exit status" 0 "$Status"
Expect "the recorder ran instead of msiexec" "" "$Recorded"
EndCase

Say "a planted msi.dll beside the launcher and in the current directory"
Case "a planted msi.dll is never loaded"
rm -f "$(Drive planted-msi-loaded.txt)"
EXTRA_OVERRIDES="msi=n,b" Launch 'C:\Planted\setup.exe /qn' 'C:\PlantedCwd'
ExpectPatchRun 'C:\Planted\32-bit' "${Msiexec}/qn"
[ -f "$(Drive planted-msi-loaded.txt)" ] && Fail "the planted msi.dll was loaded"
EndCase
ClearProducts

Say "the message box in each system language"
mkdir -p "$OUT/screenshots" "$ROOT/docs/screenshots"
MessageCase() {  # locale caption message-file
    Case "message box for $1"
    SHOT="$OUT/screenshots/$1.png" SYSTEM_LOCALE=$1 Launch 'C:\Pkg\setup.exe /qn' 'C:\'
    ExpectRefusal
    Expect "caption" "$2" "$BoxCaption"
    # One button, OK (identifier 1), whatever Wine calls it in the language.
    Expect "buttons" "[1 " "$(sed -n 's/^buttons: //p' <<<"$Box" | cut -c1-3)"
    Expect "button count" 1 "$(sed -n 's/^buttons: //p' <<<"$Box" | grep -o '\[' | wc -l)"
    Expect "error icon" "yes" "$(sed -n 's/^icon: //p' <<<"$Box")"
    Expect "text" "$(cat "$ROOT/tests/messages/$3.txt")" "$(sed '1,/^text:$/d' <<<"$Box")"
    EndCase
}
MessageCase en_US.UTF-8 "Windows Installer" English
MessageCase nl_NL.UTF-8 "Windows Installer" English
MessageCase de_DE.UTF-8 "Windows Installer" German
MessageCase de_CH.UTF-8 "Windows Installer" German
MessageCase it_IT.UTF-8 "Windows Installer" Italian
MessageCase ja_JP.UTF-8 "Windowsインストーラ" Japanese
MessageCase fr_FR.UTF-8 "Windows Installer" French
MessageCase fr_CA.UTF-8 "Windows Installer" French
MessageCase es_ES.UTF-8 "Windows Installer" English
MessageCase es_MX.UTF-8 "Windows Installer" English
MessageCase sv_SE.UTF-8 "Windows Installer" Swedish
MessageCase pt_BR.UTF-8 "Windows Installer" English
cp "$OUT/screenshots/en_US.UTF-8.png" "$ROOT/docs/screenshots/english.png" 2>/dev/null
cp "$OUT/screenshots/ja_JP.UTF-8.png" "$ROOT/docs/screenshots/japanese.png" 2>/dev/null
echo "screenshots: $OUT/screenshots"

Summary wine64
