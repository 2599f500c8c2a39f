#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang in build-fuzz/ and runs each in
# turn, starting from its kept corpus fuzz/corpus/<target>/ and from what
# earlier runs found. Afterwards the kept corpus is minimised again with what
# the run found (-merge=1). An input
# that crashes, leaks or hits undefined behaviour stops the script; it is left
# in build-fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [--time SECONDS] [--runs N] [TARGET...]
#
# --time and --runs bound each target's run (60 seconds and no bound unless
# given); the run ends at whichever comes first. Without targets, all run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

seconds=60
runs=-1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) seconds="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    -*) echo "usage: $0 [--time SECONDS] [--runs N] [TARGET...]" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(template_fuzzer prepared_pages_fuzzer register_fuzzer ini_fuzzer)

install_missing_packages scripts/packages.txt
install_missing_packages scripts/fuzz-packages.txt

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++-14 \
  -DQUITANZA_FUZZ=ON -DQUITANZA_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export LC_ALL=C.UTF-8
# The targets write each input to a file: in memory when the machine has a
# RAM disk, where the settings file's flush to disk costs nothing.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

for target in "${targets[@]}"; do
  fuzzer="build-fuzz/fuzz/$target"
  kept="fuzz/corpus/$target"
  found="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  mkdir -p "$kept" "$found" "$findings"
  options=(-max_total_time="$seconds" -runs="$runs" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  # The words of the format, which random changes seldom spell out.
  [ -f "fuzz/dictionaries/$target.dict" ] && options+=(-dict="fuzz/dictionaries/$target.dict")
  echo "== $target" >&2
  "$fuzzer" "${options[@]}" "$found" "$kept"
  # The kept corpus is chosen on edges alone, without hit counts: a few
  # hundred inputs at most instead of thousands. Every input found stays in
  # build-fuzz/corpus/ for the next run here.
  merged="$(mktemp -d)"
  "$fuzzer" -merge=1 -use_counters=0 "$merged" "$kept" "$found" 2>&1 | grep -E '^MERGE-OUTER: [0-9]+ new files' >&2 || true
  find "$kept" -type f -delete
  find "$merged" -type f -exec mv -t "$kept" {} +
  rmdir "$merged"
  echo "$target: $(ls "$kept" | wc -l) inputs kept in $kept" >&2
done
