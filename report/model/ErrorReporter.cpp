#include "report/model/ErrorReporter.h"

#include <cstdio>

namespace quitanza::report {

void StderrErrorReporter::ShowError(const QString& title, const QString& message)
{
  QString text = message;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  std::fprintf(stderr, "%s: %s\n", title.toUtf8().constData(), text.toUtf8().constData());
}

}  // namespace quitanza::report
