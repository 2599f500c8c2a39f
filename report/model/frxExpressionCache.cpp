#include "report/model/frxExpressionCache.h"

#include "report/model/frxExpressionFunctionText.h"

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

QString TfrxExpressionCache::KeyOf(const QString& expression) const {
  return FCaseSensitive ? expression : expression.toCaseFolded();
}
