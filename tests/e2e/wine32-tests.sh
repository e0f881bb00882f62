#!/usr/bin/env bash
# End-to-end tests of the real 32-bit release under Wine's WOW64, for what only it can show: on
# 64-bit Windows it picks the 64-bit folder, and it reads the 64-bit view of the registry. Each
# 32-bit process costs about a minute where the kernel needs qemu to run it, so the cases are few.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
OUT=$ROOT/build/e2e/wine32
mkdir -p "$OUT"
. "$ROOT/scripts/ensure-packages.sh"
. "$ROOT/tests/e2e/wine-lib.sh"
export LC_ALL=C.UTF-8

Launcher=$ROOT/build/windows-x86/setup.exe
[ -f "$Launcher" ] || { echo "build the windows-x86 preset first"; exit 1; }
EnsureWinePackages 32
Ensure32BitElf || { echo "32-bit programs cannot run on this machine"; exit 1; }

BuildTools "$OUT/tools" || exit 1
StartWine 32
InstallTools "$OUT/tools"
LayPackage Pkg "$Launcher"

Say "the 32-bit release under WOW64 (each case takes minutes)"
Case "an uninstall entry only in the 32-bit view (WOW6432Node) refuses"
SetUninstallEntry 32 12.0.4.405
SHOT="$OUT/refusal.png" Launch 'C:\Pkg\setup.exe /qn' 'C:\' 900
ExpectRefusal
Expect "text" "$(cat "$ROOT/tests/messages/English.txt")" "$(sed '1,/^text:$/d' <<<"$Box")"
EndCase
ClearProducts

Case "an uninstall entry in the 64-bit view passes, and the 64-bit folder is used"
SetUninstallEntry 64 12.0.4.405
Launch 'C:\Pkg\setup.exe /qn /s' 'C:\' 900
ExpectPatchRun 'C:\Pkg\64-bit' 'C:\windows\system32\msiexec.exe /p QuorvaneServer12v5Update.msp /qn '
EndCase
ClearProducts

Summary wine32
