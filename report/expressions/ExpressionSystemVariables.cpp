#include "report/expressions/ExpressionSystemVariables.h"

namespace quitanza::report {

QStringList SystemVariableNames() {
  return {QStringLiteral("Date"),        QStringLiteral("Time"), QStringLiteral("Page"),
          QStringLiteral("Page#"),       QStringLiteral("TotalPages"), QStringLiteral("TotalPages#"),
          QStringLiteral("Line"),        QStringLiteral("Line#"), QStringLiteral("CopyName#")};
}

std::optional<QVariant> SystemVariableValue(const QString& name, const SystemVariableValues& values) {
  const QVariant byIndex[] = {values.PreparationStart.date(), values.PreparationStart.time(), values.Page,
                              values.PhysicalPage, values.TotalPages, values.FirstPassTotalPages,
                              values.Line, values.LineThrough, values.CopyName0};
  const QStringList names = SystemVariableNames();
  for (qsizetype i = 0; i < names.size(); ++i) {
    if (names.at(i).compare(name, Qt::CaseInsensitive) == 0) return byIndex[i];
  }
  return std::nullopt;
}

}  // namespace quitanza::report
