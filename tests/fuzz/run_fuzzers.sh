#!/usr/bin/env bash
# Runs the fuzzers for a while each, over a copy of the committed corpus.
#
#   tests/fuzz/run_fuzzers.sh <build-dir> <seconds> [engine|input ...]
#
# <build-dir> is the CMake build directory that built the fuzzers (with
# VELK_BUILD_FUZZERS=ON and Clang); <seconds> is the time for EACH fuzzer.
# Work files (corpus copy, new inputs, crash reproducers, logs) go under
# <build-dir>/fuzz-runs/<name>/; nothing is written into the source tree.
# Exits non-zero when a fuzzer finds a crash, a leak, a timeout or a broken
# property, after printing the reproducer's path.
set -euo pipefail

if [[ $# -lt 2 || ! "$2" =~ ^[0-9]+$ || "$2" -lt 1 ]]; then
    echo "usage: $0 <build-dir> <seconds> [engine|input ...]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
shift 2
names=("$@")
if [[ ${#names[@]} -eq 0 ]]; then
    names=(engine input)
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

status=0
for name in "${names[@]}"; do
    fuzzer="$build/tests/fuzz/velk_${name}_fuzzer"
    seeds="$here/corpus/$name"
    if [[ ! -x "$fuzzer" ]]; then
        echo "run_fuzzers: no fuzzer at $fuzzer (configure with -DVELK_BUILD_FUZZERS=ON and Clang)" >&2
        exit 2
    fi
    if [[ ! -d "$seeds" ]]; then
        echo "run_fuzzers: no seed corpus at $seeds" >&2
        exit 2
    fi
    work="$build/fuzz-runs/$name"
    rm -rf "$work/corpus"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp "$seeds"/* "$work/corpus/"
    log="$work/fuzz.log"
    echo "== $name: ${seconds}s over $(ls "$work/corpus" | wc -l) seeds (log $log)"
    set +e
    (cd "$work" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus") >"$log" 2>&1
    rc=$?
    set -e
    grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" || true
    grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)' "$log" || true
    if [[ $rc -ne 0 ]]; then
        echo "run_fuzzers: $name FAILED (exit $rc); last lines of $log:" >&2
        tail -n 40 "$log" >&2
        ls -1 "$work/artifacts" >&2 || true
        echo "reproduce: $fuzzer <one of the files in $work/artifacts>" >&2
        status=1
    fi
done
exit $status
