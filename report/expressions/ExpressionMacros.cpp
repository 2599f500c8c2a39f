#include "report/expressions/ExpressionMacros.h"

namespace quitanza::report {

QString ExtractMacros(const QString& text, int totalPages, const QString& copyName) {
  QString result = text;
  result.replace(QStringLiteral("[TotalPages#]"), QString::number(totalPages), Qt::CaseInsensitive);
  result.replace(QStringLiteral("[CopyName#]"), copyName, Qt::CaseInsensitive);
  return result;
}

}  // namespace quitanza::report
