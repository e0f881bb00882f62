#!/usr/bin/env bash
# Builds the release twice, from two copies of the sources in two differently named folders, and
# checks that both give the same bytes as each other and as build/windows-x86/setup.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/setup-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
hashes=()
for copy in first-copy "second copy/deeper"; do
    mkdir -p "$work/$copy"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work/$copy")
    (cd "$work/$copy" && cmake --preset windows-x86 >/dev/null && cmake --build --preset windows-x86 >/dev/null)
    hashes+=("$(sha256sum "$work/$copy/build/windows-x86/setup.exe" | cut -d' ' -f1)")
    if grep -qa "$work" "$work/$copy/build/windows-x86/setup.exe"; then
        echo "FAIL: the build path is in the file"
        exit 1
    fi
done
main=$(sha256sum "$root/build/windows-x86/setup.exe" | cut -d' ' -f1)
if [ "${hashes[0]}" != "${hashes[1]}" ] || [ "${hashes[0]}" != "$main" ]; then
    echo "FAIL: the release is not reproducible: ${hashes[*]} and $main"
    exit 1
fi
echo "reproducible: two clean builds in two folders give sha256 ${hashes[0]}"
