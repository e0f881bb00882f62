#!/usr/bin/env bash
# Measures the launcher under wine64 and prints a table (a measurement, not a test):
#   - its own CPU time per second of waiting for a child that runs 5 s (read from /proc while it
#     waits, so Wine's start-up is not counted);
#   - the extra wall time it adds in front of the same cmd.exe /C chain started directly, from
#     alternating runs (medians, and their ratio);
#   - the release's size and the DLLs it imports.
# The 64-bit build stands in for the release here: it is the same code, and runs without emulation.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/benchmark
mkdir -p "$OUT"
. "$ROOT/scripts/ensure-packages.sh"
. "$ROOT/tests/e2e/wine-lib.sh"
export LC_ALL=C.UTF-8
runs=${RUNS:-10}

EnsurePackages cmake ninja-build
EnsureWinePackages
for preset in windows-x86 windows-x64; do
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null || exit 1
done
BuildTools "$OUT/tools" || exit 1
StartWine 64
InstallTools "$OUT/tools"
LayPackage Pkg "$ROOT/build/windows-x64/setup.exe"
SetUninstallEntry 64 12.0.4.405
export WINEDLLOVERRIDES=msiexec.exe=n

# CPU of the launcher's own process while its child sleeps 5 s: sampled 1.5 s and 4.5 s in.
printf '%s\n%s\n' 'C:\Pkg\setup.exe /qn' 'C:\' >"$(Drive start.txt)"
RECORDER_SLEEP_MS=5000 Wine "$(Drive tools/Start.exe)" 'C:\start.txt' &
starter=$!
sleep 1.5
pid=$(pgrep -f 'C:\\Pkg\\setup.exe' | head -n 1)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
first=$(ticks "$pid")
sleep 3
second=$(ticks "$pid")
wait "$starter"
hertz=$(getconf CLK_TCK)
cpu_ms_per_s=$(awk -v a="$first" -v b="$second" -v hz="$hertz" 'BEGIN {printf "%.1f", (b - a) * 1000 / hz / 3}')

# Wall time: the launcher in front of the chain, and the chain alone, alternating.
Direct='C:\windows\system32\cmd.exe /C C:\windows\system32\msiexec.exe /p QuorvaneServer12v5Update.msp /qn '
TimeRun() {  # command-line current-directory
    printf '%s\n%s\n' "$1" "$2" >"$(Drive start.txt)"
    local begin end
    begin=$(date +%s%N)
    Wine "$(Drive tools/Start.exe)" 'C:\start.txt' >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - begin) / 1000000))
}
TimeRun 'C:\Pkg\setup.exe /qn' 'C:\' >/dev/null  # warm the caches
launcher=() direct=()
for _ in $(seq "$runs"); do
    launcher+=("$(TimeRun 'C:\Pkg\setup.exe /qn' 'C:\')")
    direct+=("$(TimeRun "$Direct" 'C:\Pkg\32-bit')")
done
Median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
with=$(Median "${launcher[@]}")
without=$(Median "${direct[@]}")

release=$ROOT/build/windows-x86/setup.exe
imports=$(i686-w64-mingw32-objdump -p "$release" | awk '/DLL Name:/ {print tolower($3)}' | sort | tr '\n' ' ')
{
    echo "| measure | value |"
    echo "|---|---|"
    echo "| launcher CPU while its child runs 5 s | $cpu_ms_per_s ms per second |"
    echo "| wall time, launcher + cmd.exe + msiexec (median of $runs) | $with ms |"
    echo "| wall time, cmd.exe + msiexec started directly (median of $runs) | $without ms |"
    echo "| extra wall time of the launcher | $(awk -v a="$with" -v b="$without" 'BEGIN {printf "%.0f ms (ratio %.2f)", a - b, a / b}') |"
    echo "| release size | $(stat -c %s "$release") bytes |"
    echo "| release imports | $imports|"
    echo
    echo "machine: $(nproc) cores, $(awk '/model name/ {sub(/.*: /, ""); print; exit}' /proc/cpuinfo), $(/usr/lib/wine/wine64 --version)"
} | tee "$OUT/results.md"
