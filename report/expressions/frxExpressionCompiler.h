#pragma once

#include <QString>
#include <QVariant>

#include <memory>

// One expression as a script function (see frxExpressionFunctionText.h).
struct TfrxExpressionFunction {
  QString Name;        // "fr3f0", "fr3f1", ...
  QString Text;        // the function's source in the script language
  QString Expression;  // the expression it returns
  QString Language;
};

// A compiled expression; Run throws TfrxExpressionRuntimeError when it fails.
class TfrxCompiledExpression {
public:
  virtual ~TfrxCompiledExpression() = default;
  virtual QVariant Run() = 0;
};

// The seam to a script engine. The expression cache adds each new expression to the
// compiler's script as one function; a function that fails to compile must leave
// the script as it was.
class TfrxExpressionCompiler {
public:
  virtual ~TfrxExpressionCompiler() = default;
  // Throws TfrxExpressionCompileError with the engine's message.
  virtual std::unique_ptr<TfrxCompiledExpression> Compile(const TfrxExpressionFunction& function) = 0;
  // Forgets every function compiled so far.
  virtual void Clear() = 0;
};
