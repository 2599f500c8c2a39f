#include "report/expressions/ExpressionCache.h"

#include "report/expressions/ExpressionFunctionText.h"

namespace quitanza::report {

ExpressionCache::ExpressionCache(std::unique_ptr<ExpressionCompiler> compiler)
    : m_compiler(std::move(compiler)) {}

void ExpressionCache::Clear(bool caseSensitive) {
  m_entries.clear();
  m_compiler->Clear();
  m_caseSensitive = caseSensitive;
}

CompiledExpression& ExpressionCache::Find(const QString& expression, const QString& language) {
  const QString key = KeyOf(expression);
  auto found = m_entries.find(key);
  if (found == m_entries.end()) {
    auto compiled = m_compiler->Compile(MakeExpressionFunction(language, Count(), expression));
    found = m_entries.emplace(key, std::move(compiled)).first;
  }
  return *found->second;
}

// Quoted text is never folded: 'ana' and 'ANA' are different values and must not
// share a compiled function.
QString ExpressionCache::KeyOf(const QString& expression) const {
  if (m_caseSensitive) return expression;
  QString key;
  QChar quote;
  for (const QChar c : expression) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      key += c;
    } else {
      if (c == u'\'' || c == u'"') quote = c;
      key += c.toCaseFolded();
    }
  }
  return key;
}

}  // namespace quitanza::report
