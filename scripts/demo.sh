#!/usr/bin/env bash
# Shows the release launcher at work under Wine (64-bit Windows, the launcher under WOW64): lays
# out a demo package, runs it once with a demo product installed in the required version and
# prints what msiexec received and where, then once without it and saves the message box.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/demo
mkdir -p "$OUT"
. "$ROOT/scripts/ensure-packages.sh"
. "$ROOT/tests/e2e/wine-lib.sh"
export LC_ALL=C.UTF-8
export KEEP_PREFIX=1  # the demo package stays for a look; the next run starts afresh

Launcher=$ROOT/build/windows-x86/setup.exe
EnsureWinePackages 32
Ensure32BitElf || { echo "32-bit programs cannot run on this machine"; exit 1; }
BuildTools "$OUT/tools"

StartWine 32
InstallTools "$OUT/tools"
LayPackage Demo "$Launcher"
echo "demo package: $(Drive Demo) (C:\\Demo in the prefix): setup.exe, 32-bit\\, 64-bit\\"

Say "installing the demo product $Product1 in version 12.0.4.405 with Windows Installer"
Case demo
Install "$Product1" 12.0.4.405
Say "running C:\\Demo\\setup.exe /qn /s (32-bit programs run emulated here: a few minutes)"
Launch 'C:\Demo\setup.exe /qn /s' 'C:\' 900
echo "exit status:       $Status"
echo "msiexec received:  $(RecordedField 'command line')"
echo "in the folder:     $(RecordedField 'current directory') ($(RecordedField 'long form'))"

ClearProducts
Say "running it again with the product removed"
SHOT="$OUT/refusal.png" Launch 'C:\Demo\setup.exe /qn' 'C:\' 900
echo "exit status:       $Status"
echo "message box:       $OUT/refusal.png"
