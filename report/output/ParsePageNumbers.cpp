#include "report/output/ParsePageNumbers.h"

#include <algorithm>
#include <stdexcept>

namespace quitanza::report {

namespace {

class SelectionError : public std::invalid_argument {
public:
  SelectionError(const QString& problem, const QString& selection)
      : std::invalid_argument(
            QStringLiteral("%1 in the page selection \"%2\"").arg(problem, selection).toStdString()) {}
};

int PageNumber(QStringView digits, const QString& selection) {
  const bool onlyDigits =
      !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
      });
  bool ok = false;
  const int number = onlyDigits ? digits.toInt(&ok) : 0;
  if (!ok)
    throw SelectionError(QStringLiteral("'%1' is not a valid page number").arg(digits), selection);
  return number;
}

}  // namespace

QList<int> ParsePageNumbers(const QString& pageNumbers, int total) {
  QString text = pageNumbers;
  text.removeIf([](QChar c) { return c.isSpace(); });
  QList<int> pages;
  if (text.isEmpty())
    return pages;
  if (text.endsWith(u'-'))
    text += QString::number(total);
  text += u',';

  qsizetype start = 0;
  bool inRange = false;
  int rangeFirst = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'-') {
      if (inRange)
        throw SelectionError(QStringLiteral("a range has more than one '-'"), pageNumbers);
      rangeFirst = PageNumber(QStringView(text).sliced(start, i - start), pageNumbers);
      inRange = true;
      start = i + 1;
    } else if (c == u',') {
      const int number = PageNumber(QStringView(text).sliced(start, i - start), pageNumbers);
      if (!inRange)
        pages.append(number);
      for (int page = std::max(rangeFirst, 1); inRange && page <= std::min(number, total); ++page)
        pages.append(page);
      inRange = false;
      start = i + 1;
    }
  }
  return pages;
}

}  // namespace quitanza::report
