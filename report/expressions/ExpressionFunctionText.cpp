#include "report/expressions/ExpressionFunctionText.h"

#include "report/expressions/ExpressionError.h"

namespace quitanza::report {

ExpressionFunction MakeExpressionFunction(const QString& language, int index, const QString& expression) {
  const QString name = QStringLiteral("fr3f") + QString::number(index);
  QString text;
  if (language == u"PascalScript") {
    text = QStringLiteral("function ") + name + QStringLiteral(": Variant; begin ") + QStringLiteral("Result := ") +
           expression + QStringLiteral(" end; begin end.");
  } else if (language == u"C++Script") {
    text = QStringLiteral("Variant ") + name + QStringLiteral("() { ") + QStringLiteral("return ") + expression +
           QStringLiteral("; } {}");
  } else if (language == u"BasicScript") {
    text = QStringLiteral("function ") + name + QStringLiteral("\r\n") + QStringLiteral("return ") + expression +
           QStringLiteral("\r\n") + QStringLiteral("end function");
  } else if (language == u"JScript") {
    text = QStringLiteral("function ") + name + QStringLiteral("() { ") + QStringLiteral("return ") + expression +
           QStringLiteral("; }");
  } else {
    throw ExpressionCompileError(QStringLiteral("Unknown script language '%1'").arg(language));
  }
  return {name, text, expression, language};
}

}  // namespace quitanza::report
