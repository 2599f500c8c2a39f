quitanza_add_test(expressions_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ExpressionCacheTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExpressionEvaluatorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExpressionExpanderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExpressionMemoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExpressionValueTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatDataDateTimeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatDataFloatPatternTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatDataPrintfTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatDataTest.cpp
  LIBS quitanza_expressions)
