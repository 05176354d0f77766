#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
# The seed files in fuzz/corpus/ stay as they are: what a run finds is kept in
# build/fuzz/corpus/, and a crashing input lands in build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
scripts/ensure-packages.sh cmake make clang libclang-rt-dev libgtest-dev libxml2-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target key_token_fuzzer binding_file_fuzzer -j "$(nproc)"

status=0
for target in key_token binding_file; do
    found="build/fuzz/corpus/$target"
    crashes="build/fuzz/crashes/$target"
    mkdir -p "$found" "$crashes"
    echo "== ${target}_fuzzer for ${seconds} s"
    if ! "build/fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$crashes/" "$found" "fuzz/corpus/$target"; then
        echo "${target}_fuzzer failed: see $crashes/" >&2
        status=1
    fi
done
exit "$status"
