# Sourced by ./test: run_tests ARGS... runs ctest in the current build folder
# with ARGS, keeps its progress on one line ("312/1540 tests, 0 failed"), and
# then prints each failed test's output in full and CTest's summary. The
# whole output stays in Testing/Temporary/LastTest.log.
run_tests() {
  local log
  log=$(mktemp)
  local status=0
  ctest --output-on-failure -j "$(nproc)" "$@" >"$log" 2>&1 &
  local ctest_pid=$!
  # The result lines read "  12/1540 Test  #7: Name ....   Passed    0.1 sec".
  tail -n +1 -f --pid="$ctest_pid" "$log" | awk '
    /^ *[0-9]+\/[0-9]+ Test +#/ {
      split($1, count, "/")
      if ($0 !~ / Passed /) failed++
      printf "\r%d/%d tests, %d failed", count[1], count[2], failed
      fflush()
    }
    END { if (NR) print "" }'
  wait "$ctest_pid" || status=$?
  # Each failure: its result line and the output CTest printed after it.
  awk '
    /^ *[0-9]+\/[0-9]+ Test +#/ { showing = ($0 !~ / Passed /) }
    /^ +Start +[0-9]+: / { showing = 0 }
    /^[0-9]+% tests passed/ { showing = 0; summary = 1 }
    showing || summary' "$log"
  rm -f "$log"
  return "$status"
}
