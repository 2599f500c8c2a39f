#include "report/expressions/frxExpressionMacros.h"

QString ExtractMacros(const QString& text, int totalPages, const QString& copyName) {
  QString result = text;
  result.replace(QStringLiteral("[TotalPages#]"), QString::number(totalPages), Qt::CaseInsensitive);
  result.replace(QStringLiteral("[CopyName#]"), copyName, Qt::CaseInsensitive);
  return result;
}
