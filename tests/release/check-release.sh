#!/usr/bin/env bash
# Checks the built release: a PE32 for Intel 386 of the GUI subsystem, with exactly one resource
# (the manifest: type 24, identifier 1, language 1033, asking for administrator rights) and
# importing only system DLLs that are known DLLs, so nothing can be planted beside it; marked for
# ASLR and DEP.
set -euo pipefail
release=${1:-build/windows-x86/setup.exe}
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$release")
$objdump -f "$release" | grep -q 'file format pei-i386' || fail "not a PE for Intel 386"
grep -qE '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$headers" || fail "not PE32"
grep -qE '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' <<<"$headers" || fail "not the GUI subsystem"

imports=$(grep -E '^[[:space:]]*DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort | tr '\n' ' ')
expected="advapi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll "
[ "$imports" = "$expected" ] || fail "imports are '$imports', expected '$expected'"
grep -qiE 'DLL Name: msi\.dll' <<<"$headers" && fail "msi.dll is imported statically"
grep -qE '^Entry d 00000000 00000000 Delay Import Directory' <<<"$headers" || fail "delay imports present"

# Hardening: ASLR with the relocations it needs, and DEP.
characteristics=$(awk '/^DllCharacteristics/ {print $2}' <<<"$headers")
(( (16#$characteristics & 0x40) != 0 )) || fail "not marked for ASLR (dynamic base)"
(( (16#$characteristics & 0x100) != 0 )) || fail "not marked NX compatible (DEP)"
(( ($(awk '/^Characteristics/ {print $2; exit}' <<<"$headers") & 0x1) == 0 )) || fail "relocations stripped"
grep -qE '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$headers" || fail "no relocations"

# The resource tree: one type, one name, one language, one leaf.
resources=$(sed -n '/The .rsrc Resource Directory section:/,/Resources start at offset/p' <<<"$headers")
[ "$(grep -c 'Entry:' <<<"$resources")" -eq 3 ] || fail "resources other than the manifest: $resources"
grep -qE '^010 +Entry: ID: 0x000018,' <<<"$resources" || fail "resource type is not 24 (manifest)"
grep -qE '^028 +Entry: ID: 0x000001,' <<<"$resources" || fail "manifest identifier is not 1"
grep -qE '^040 +Entry: ID: 0x000409,' <<<"$resources" || fail "manifest language is not 1033"

# The manifest's own text, as it lies in the file.
manifest=$(i686-w64-mingw32-strings -n 8 "$release" | tr -d '\r' | sed -n '/<assembly/,/<\/assembly>/p')
grep -q 'xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0"' <<<"$manifest" || fail "no assembly manifest"
grep -q 'trustInfo xmlns="urn:schemas-microsoft-com:asm.v2"' <<<"$manifest" || fail "no trustInfo"
grep -q 'requestedExecutionLevel level="requireAdministrator" uiAccess="false"' <<<"$manifest" ||
    fail "does not ask for administrator rights"

if [ "$failures" -ne 0 ]; then
    echo "release checks: $failures failed for $release"
    exit 1
fi
echo "release checks passed for $release: PE32 i386 GUI, ASLR and DEP, manifest only, imports $imports"
