#!/bin/sh
# Runs a fuzzer, velk_<name>_fuzzer, for <seconds> over a copy of its
# committed corpus, corpus/<name>, in a folder beside the fuzzer; fails with
# the reproducer's path on a crash, a leak, a timeout or a broken property.
#   tests/fuzz/run_fuzzer.sh <velk_name_fuzzer> <seconds>
set -eu
fuzzer=$1
name=$(basename "$fuzzer")
name=${name#velk_}
name=${name%_fuzzer}
work=$(dirname "$fuzzer")/fuzz-run-$name
rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
cp "$(dirname "$0")/corpus/$name"/* "$work/corpus/"
if ! "$fuzzer" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/fuzz.log" 2>&1; then
    tail -n 40 "$work/fuzz.log" >&2
    echo "run_fuzzer: reproduce with $fuzzer $work/artifacts/*" >&2
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$work/fuzz.log"
