#include "app/cli/MissingVariable.h"

#include "report/model/MemoView.h"
#include "report/model/Report.h"
#include "report/model/Variables.h"

#include <QRegularExpression>
#include <QStringList>

namespace quitanza::app {

using namespace report;

namespace {

// The texts between the memo's expression delimiters ("[" and "]" unless
// the memo says otherwise).
QStringList ExpressionsOf(const CustomMemoView& memo)
{
  const QStringList delimiters = memo.ExpressionDelimiters.split(QLatin1Char(','));
  if (delimiters.size() != 2 || delimiters.at(0).isEmpty() || delimiters.at(1).isEmpty())
    return {};
  const QRegularExpression bracketed(QRegularExpression::escape(delimiters.at(0)) + QStringLiteral("(.*?)") +
                                     QRegularExpression::escape(delimiters.at(1)),
                                     QRegularExpression::DotMatchesEverythingOption);
  QStringList expressions;
  for (auto match = bracketed.globalMatch(memo.Text()); match.hasNext();)
    expressions << match.next().captured(1);
  return expressions;
}

bool Names(const QStringList& expressions, const QString& name)
{
  const QRegularExpression word(QStringLiteral("(?<![\\w.])") + QRegularExpression::escape(name) +
                                    QStringLiteral("(?![\\w])"),
                                QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  for (const QString& expression : expressions) {
    if (word.match(expression).hasMatch())
      return true;
  }
  return false;
}

}  // namespace

QString MissingVariable(const Report& report)
{
  QStringList expressions;
  for (const Component* object : report.AllObjects()) {
    if (const auto* memo = dynamic_cast<const CustomMemoView*>(object))
      expressions << ExpressionsOf(*memo);
  }
  for (int i = 0; i < report.Variables.Count(); ++i) {
    const Variable& variable = report.Variables.Items(i);
    if (!variable.IsCategory() && variable.Value.toString().trimmed().isEmpty() && Names(expressions, variable.Name))
      return variable.Name;
  }
  return {};
}

}  // namespace quitanza::app
