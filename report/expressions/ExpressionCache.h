#pragma once

#include "report/expressions/ExpressionCompiler.h"

#include <map>
#include <memory>

namespace quitanza::report {

// Expressions compiled once per preparation: each new expression becomes the script
// function "fr3f" + (number of expressions already cached). Expression texts match
// ignoring case outside quoted strings unless the report asks for case-sensitive
// expressions; quoted strings always match exactly.
class ExpressionCache {
public:
  explicit ExpressionCache(std::unique_ptr<ExpressionCompiler> compiler);

  // Empties the cache and the compiler's script, and sets how texts match from now on.
  void Clear(bool caseSensitive);
  // The compiled expression, compiling it in `language` on a miss. Throws
  // ExpressionCompileError with the engine's message; nothing is cached then.
  CompiledExpression& Find(const QString& expression, const QString& language);
  int Count() const { return int(m_entries.size()); }

private:
  std::unique_ptr<ExpressionCompiler> m_compiler;
  std::map<QString, std::unique_ptr<CompiledExpression>> m_entries;
  bool m_caseSensitive = false;

  QString KeyOf(const QString& expression) const;
};

}  // namespace quitanza::report
