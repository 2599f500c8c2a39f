# Builds that look for memory errors and undefined behaviour; each goes in a
# folder of its own (scripts/sanitizer-test.sh, scripts/fuzz.sh).
option(QUITANZA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUITANZA_FUZZ "Build the fuzz targets of fuzz/ with libFuzzer (clang; sanitizers included)" OFF)

if(QUITANZA_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "QUITANZA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(QUITANZA_SANITIZE OR QUITANZA_FUZZ)
  # Undefined behaviour stops the program, so that a test or a fuzzer fails
  # on it; line tables name the source lines in the reports.
  target_compile_options(quitanza_build_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g1)
  target_link_options(quitanza_build_settings INTERFACE -fsanitize=address,undefined)
endif()

if(QUITANZA_FUZZ)
  # Every library reports its coverage to the fuzzer; only the targets link
  # its driver (fuzz/CMakeLists.txt).
  target_compile_options(quitanza_build_settings INTERFACE -fsanitize=fuzzer-no-link)
endif()
