#pragma once

#include "report/expressions/ExpressionCompiler.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace quitanza::report {

// The compiler used while no script engine is present: it understands quoted text
// literals ('D''ÁVILA' gives D'ÁVILA), which is what report variables hold, and
// refuses everything else the way an engine would: a leading name is an undeclared
// identifier, an empty expression a syntax error.
// The text of `expression` when it is one quoted text literal and nothing
// else but blanks around it, as any compiler reads it.
std::optional<QString> QuotedTextLiteral(QStringView expression);

class LiteralCompiler : public ExpressionCompiler {
public:
  std::unique_ptr<CompiledExpression> Compile(const report::ExpressionFunction& function) override;
  void Clear() override;
};

}  // namespace quitanza::report
