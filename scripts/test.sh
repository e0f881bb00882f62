#!/usr/bin/env bash
# Runs every test: the unit tests of the logic on this machine, then the checks of the built
# release. Installs what they need first if it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure-packages.sh
EnsurePackages cmake ninja-build g++ libgtest-dev \
    g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686

echo "== unit tests"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== release builds (warnings are errors)"
for preset in windows-x86 windows-x64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
bash tests/release/check-release.sh build/windows-x86/setup.exe
