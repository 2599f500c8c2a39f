include(GoogleTest)

set(QUITANZA_TEST_DATA ${CMAKE_SOURCE_DIR}/tests/data)

# GoogleTest and the Qt headers every test includes take most of a test
# file's compile time: the first test target precompiles them, the others
# reuse its header.
function(quitanza_use_test_headers name)
  get_property(owner GLOBAL PROPERTY QUITANZA_TEST_HEADERS_OWNER)
  if(owner)
    target_precompile_headers(${name} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${name} PRIVATE
      <gmock/gmock.h> <gtest/gtest.h>
      <QByteArray> <QDir> <QFile> <QString> <QStringList> <QTemporaryDir> <QTextStream>)
    set_property(GLOBAL PROPERTY QUITANZA_TEST_HEADERS_OWNER ${name})
  endif()
endfunction()

# quitanza_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [RESOURCE_LOCK lock])
# One GoogleTest executable; its cases are registered with CTest one by one.
# Qt runs on the offscreen platform so GUI-dependent tests need no display.
# Cases of executables that share a RESOURCE_LOCK never run at the same time.
function(quitanza_add_test name)
  cmake_parse_arguments(ARG "" "RESOURCE_LOCK" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QUITANZA_TEST_DATA="${QUITANZA_TEST_DATA}"
    QUITANZA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  quitanza_use_test_headers(${name})
  set(lock)
  if(ARG_RESOURCE_LOCK)
    set(lock RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen ${lock}
    DISCOVERY_TIMEOUT 60)
endfunction()

# quitanza_add_benchmark(NAME SOURCES a.cpp LIBS lib1): built with the tests, run by hand.
function(quitanza_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE
    QUITANZA_TEST_DATA="${QUITANZA_TEST_DATA}"
    QUITANZA_BINARY_DIR="${CMAKE_BINARY_DIR}")
endfunction()
