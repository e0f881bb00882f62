#!/usr/bin/env bash
# Builds the release launcher, a 32-bit setup.exe, and prints where it is, its size and SHA-256;
# then shows it at work under Wine on a demo package (scripts/demo.sh). Installs what it needs,
# only what is missing.
#   --no-demo   only builds
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
EnsurePackages cmake ninja-build g++-mingw-w64-i686-win32 binutils-mingw-w64-i686

cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 >/dev/null
release=build/windows-x86/setup.exe
echo "release: $(pwd)/$release"
echo "size:    $(stat -c %s "$release") bytes"
echo "sha256:  $(sha256sum "$release" | cut -d' ' -f1)"

[ "${1:-}" = --no-demo ] && exit 0
echo
echo "== the release at work under Wine (installs Wine; 32-bit programs are emulated: minutes)"
bash scripts/demo.sh
