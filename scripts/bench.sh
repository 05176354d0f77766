#!/usr/bin/env bash
# Builds and runs the benchmarks (Release, native, against the test fakes).
# Extra arguments go to the benchmark program, e.g. --benchmark_filter=KeyName.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libbenchmark-dev libxml2-dev

cmake --preset bench >/dev/null
cmake --build --preset bench --target dk_benchmarks -j "$(nproc)"
build/bench/bench/dk_benchmarks "$@"
