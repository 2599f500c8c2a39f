#pragma once

#include "report/expressions/frxExpressionCompiler.h"

// The compiler used while no script engine is present: it understands quoted text
// literals ('D''ÁVILA' gives D'ÁVILA), which is what report variables hold, and
// refuses everything else the way an engine would: a leading name is an undeclared
// identifier, an empty expression a syntax error.
class TfrxLiteralCompiler : public TfrxExpressionCompiler {
public:
  std::unique_ptr<TfrxCompiledExpression> Compile(const TfrxExpressionFunction& function) override;
  void Clear() override;
};
