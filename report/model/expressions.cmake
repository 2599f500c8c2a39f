# Expression expansion, evaluation and value formatting: no dependency on the report tree.
add_library(quitanza_expressions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionCharset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionEvaluator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionExpander.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionFunctionText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionLiteralCompiler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionMacros.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionSystemVariables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxExpressionValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataConversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataDateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataDecimal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataFloatPattern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataPrintf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frxFormatDataText.cpp
)
target_link_libraries(quitanza_expressions PUBLIC quitanza_platform Qt6::Core)
