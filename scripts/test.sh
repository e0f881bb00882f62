#!/usr/bin/env bash
# Runs every test: the unit tests of the logic on this machine (also under AddressSanitizer and
# UndefinedBehaviorSanitizer), static analysis, the checks of the built release (PE headers,
# hardening, reproducibility, signing), the fuzz targets briefly, the launcher end to end under
# wine64, and the real 32-bit release under Wine's WOW64. Installs what they need first, only what
# is missing.
#   --skip-32-bit   leaves out the 32-bit tier (minutes of emulation where the kernel cannot run
#                   32-bit programs); CI always runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
skip32=0
for argument in "$@"; do
    case "$argument" in
        --skip-32-bit) skip32=1 ;;
        *) echo "usage: $0 [--skip-32-bit]"; exit 2 ;;
    esac
done
. scripts/ensure-packages.sh
EnsurePackages cmake ninja-build g++ libgtest-dev clang libclang-rt-14-dev clang-tidy cppcheck \
    g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 osslsigncode openssl

started=$SECONDS
echo "== unit tests"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
cmake --preset host-sanitize >/dev/null
cmake --build --preset host-sanitize
ctest --preset host-sanitize

echo "== static analysis"
bash tests/static/run-static-analysis.sh

echo "== release builds (warnings are errors) and their checks"
for preset in windows-x86 windows-x64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
bash tests/release/check-release.sh build/windows-x86/setup.exe
bash tests/release/check-reproducible.sh
bash tests/release/check-signing.sh
echo "unit tests, analysis and release checks took $((SECONDS - started)) s"

started=$SECONDS
echo "== fuzz targets, briefly (tests/fuzz/run-fuzzers.sh SECONDS runs them longer)"
bash tests/fuzz/run-fuzzers.sh 12
echo "fuzzing took $((SECONDS - started)) s"

started=$SECONDS
echo "== end to end under wine64"
bash tests/e2e/wine64-tests.sh
echo "wine64 tier took $((SECONDS - started)) s"

if [ "$skip32" = 1 ]; then
    echo "== the 32-bit tier is skipped (--skip-32-bit)"
else
    started=$SECONDS
    echo "== the real 32-bit release under WOW64 (installs Wine's 32-bit side; takes several minutes)"
    bash tests/e2e/wine32-tests.sh
    echo "wine32 tier took $((SECONDS - started)) s"
fi
