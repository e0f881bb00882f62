#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck (options here, suppressions in
# cppcheck-suppressions.txt) over the launcher's logic and its Windows layer. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
failed=0

# The logic, as it is built for this machine.
cmake -S . -B build/tidy-host -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null 2>&1
clang-tidy --quiet -p build/tidy-host Updater/*.cpp 2>/dev/null || failed=1

# The Windows layer and the entry point, with the mingw headers they are built against.
cmake -S . -B build/tidy-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null 2>&1
includes=()
while read -r folder; do includes+=("--extra-arg=-isystem$folder"); done < <(
    echo | i686-w64-mingw32-g++-win32 -std=c++20 -E -x c++ - -v 2>&1 |
        sed -n '/#include <...> search starts here:/,/End of search list./p' | sed -n 's/^ //p')
clang-tidy --quiet -p build/tidy-windows --extra-arg=--target=i686-w64-mingw32 --extra-arg=-nostdinc \
    "${includes[@]}" Updater/platform/WindowsPlatform.cpp Updater/WinMain.cpp 2>/dev/null || failed=1

cppcheck --std=c++20 --language=c++ --enable=warning,style,performance,portability \
    --suppressions-list=tests/static/cppcheck-suppressions.txt --inline-suppr --error-exitcode=1 \
    --quiet -I Updater -I Updater/platform Updater/*.cpp Updater/platform/*.cpp || failed=1

if [ "$failed" -ne 0 ]; then
    echo "static analysis: findings above"
    exit 1
fi
echo "static analysis: clang-tidy and cppcheck clean"
