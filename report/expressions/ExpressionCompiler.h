#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace quitanza::report {

// One expression as a script function (see ExpressionFunctionText.h).
struct ExpressionFunction {
  QString Name;        // "fr3f0", "fr3f1", ...
  QString Text;        // the function's source in the script language
  QString Expression;  // the expression it returns
  QString Language;
};

// A compiled expression; Run throws ExpressionRuntimeError when it fails.
class CompiledExpression {
public:
  virtual ~CompiledExpression() = default;
  virtual QVariant Run() = 0;
};

// The seam to a script engine. The expression cache adds each new expression to the
// compiler's script as one function; a function that fails to compile must leave
// the script as it was.
class ExpressionCompiler {
public:
  virtual ~ExpressionCompiler() = default;
  // Throws ExpressionCompileError with the engine's message.
  virtual std::unique_ptr<CompiledExpression> Compile(const report::ExpressionFunction& function) = 0;
  // Forgets every function compiled so far.
  virtual void Clear() = 0;
};

}  // namespace quitanza::report
