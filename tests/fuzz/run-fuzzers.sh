#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a while from the seeds (rows of the unit-test tables)
# and the corpus kept under build/fuzz/corpus. A broken contract or a sanitizer report ends the
# run with the input that caused it (in build/fuzz/findings).
#   usage: tests/fuzz/run-fuzzers.sh [seconds per target, default 12]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-12}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/findings
for target in FuzzStripSwitch FuzzDirectories FuzzChildCommandLine FuzzVersionGate FuzzInterfaceLanguage; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "-- $target for $seconds s"
    if ! build/fuzz/tests/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/findings/$target- "$corpus" "tests/fuzz/seeds/$target" \
        >"build/fuzz/$target.log" 2>&1; then
        tail -n 30 "build/fuzz/$target.log"
        echo "FAIL: $target found an input that breaks a contract (build/fuzz/findings)"
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "build/fuzz/$target.log" | sed "s/^/   /"
done
echo "fuzz targets: no finding"
