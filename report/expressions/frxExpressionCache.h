#pragma once

#include "report/expressions/frxExpressionCompiler.h"

#include <map>
#include <memory>

// Expressions compiled once per preparation: each new expression becomes the script
// function "fr3f" + (number of expressions already cached). Expression texts match
// ignoring case outside quoted strings unless the report asks for case-sensitive
// expressions; quoted strings always match exactly.
class TfrxExpressionCache {
public:
  explicit TfrxExpressionCache(std::unique_ptr<TfrxExpressionCompiler> compiler);

  // Empties the cache and the compiler's script, and sets how texts match from now on.
  void Clear(bool caseSensitive);
  // The compiled expression, compiling it in `language` on a miss. Throws
  // TfrxExpressionCompileError with the engine's message; nothing is cached then.
  TfrxCompiledExpression& Find(const QString& expression, const QString& language);
  int Count() const { return int(FEntries.size()); }

private:
  std::unique_ptr<TfrxExpressionCompiler> FCompiler;
  std::map<QString, std::unique_ptr<TfrxCompiledExpression>> FEntries;
  bool FCaseSensitive = false;

  QString KeyOf(const QString& expression) const;
};
