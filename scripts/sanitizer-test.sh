#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs them there: a memory error, a leak or undefined
# behaviour fails its test. The benchmarks are left out. Run after ./test,
# which installs the packages.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUITANZA_SANITIZE=ON -DQUITANZA_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$(nproc)"

export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
cd build-asan
ctest --output-on-failure -j "$(nproc)" "$@"
