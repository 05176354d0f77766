#!/usr/bin/env bash
# Builds the native unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them: any memory error or undefined behaviour fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libxml2-dev librsvg2-bin

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)"
ctest --preset sanitize -j "$(nproc)"
