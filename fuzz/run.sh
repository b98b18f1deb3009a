#!/usr/bin/env bash
# Runs each libFuzzer harness of a fuzz build for FUZZ_SECONDS seconds (60
# unless set), starting from the seed corpus in fuzz/corpus, and says per
# harness how many inputs it ran and how many crashes it found. The inputs
# it finds go to a corpus in the build folder; a crash is written there too
# (artifacts/<harness>/) and belongs, once fixed, in fuzz/corpus/<harness>.
# Usage: fuzz/run.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR}" && pwd)
seconds=${FUZZ_SECONDS:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0

status=0
for harness in namecomputation settingsfile; do
    work=$build/corpus/$harness
    artifacts=$build/artifacts/$harness
    log=$build/fuzz_$harness.log
    mkdir -p "$work" "$artifacts"
    result=ok
    start=$SECONDS
    "$build/fuzz/fuzz_$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$harness" >"$log" 2>&1 ||
        result=failed
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    crashes=$(find "$artifacts" -type f | wc -l)
    echo "fuzz_$harness: ${runs:-?} executions in $((SECONDS - start)) s, $crashes crashes ($result); log $log"
    if [ "$result" != ok ] || [ "$crashes" -ne 0 ]; then
        status=1
        tail -n 40 "$log"
    fi
done
exit $status
