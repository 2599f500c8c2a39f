#include "report/expressions/frxExpressionCache.h"

#include "report/expressions/frxExpressionFunctionText.h"

TfrxExpressionCache::TfrxExpressionCache(std::unique_ptr<TfrxExpressionCompiler> compiler)
    : FCompiler(std::move(compiler)) {}

void TfrxExpressionCache::Clear(bool caseSensitive) {
  FEntries.clear();
  FCompiler->Clear();
  FCaseSensitive = caseSensitive;
}

TfrxCompiledExpression& TfrxExpressionCache::Find(const QString& expression, const QString& language) {
  const QString key = KeyOf(expression);
  auto found = FEntries.find(key);
  if (found == FEntries.end()) {
    auto compiled = FCompiler->Compile(ExpressionFunction(language, Count(), expression));
    found = FEntries.emplace(key, std::move(compiled)).first;
  }
  return *found->second;
}

// Quoted text is never folded: 'ana' and 'ANA' are different values and must not
// share a compiled function.
QString TfrxExpressionCache::KeyOf(const QString& expression) const {
  if (FCaseSensitive) return expression;
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
