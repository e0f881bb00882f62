#!/usr/bin/env bash
# Builds the release launcher, a 32-bit setup.exe, and prints where it is, its size and SHA-256.
# Installs the cross-compiler and build tools first if they are missing.
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
