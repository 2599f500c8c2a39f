#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs them there: a memory error, a leak or undefined
# behaviour fails its test. The benchmarks are left out. Run after ./test,
# which installs the packages.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUITANZA_SANITIZE=ON -DQUITANZA_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$(nproc)"

# use_tls=0: the leak checker of this compiler crashes while it scans the
# dynamic thread-local storage of libraries loaded at run time (a process
# that loads Qt's glib event loop and image plugins ends in "Tracer caught
# signal 11"). Without that scan it reports more, never less.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS=print_stacktrace=1
cd build-asan
ctest --output-on-failure -j "$(nproc)" "$@"
