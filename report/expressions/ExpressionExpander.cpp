#include "report/expressions/ExpressionExpander.h"

namespace quitanza::report {

namespace {

constexpr qsizetype MaxCloseDelimiterLength = 255;

// Index of the closing delimiter that matches the opening one at `openAt`, or -1.
qsizetype MatchingClose(const QString& text, qsizetype openAt, const ExpressionDelimiters& delimiters) {
  const QStringView view(text);
  int depth = 1;
  QChar quote;
  qsizetype at = openAt + delimiters.Open.size();
  while (at < text.size()) {
    const QChar c = text.at(at);
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (view.mid(at).startsWith(delimiters.Close)) {
      // Close is tested first so that equal delimiters ("|,|") pair up.
      if (--depth == 0) return at;
      at += delimiters.Close.size();
      continue;
    } else if (view.mid(at).startsWith(delimiters.Open)) {
      ++depth;
      at += delimiters.Open.size();
      continue;
    }
    ++at;
  }
  return -1;
}

}  // namespace

ExpressionDelimiters ExpressionDelimiters::Parse(const QString& expressionDelimiters) {
  const qsizetype comma = expressionDelimiters.indexOf(u',');
  if (comma < 0) return {};
  return {expressionDelimiters.left(comma), expressionDelimiters.mid(comma + 1, MaxCloseDelimiterLength)};
}

QString ExpandExpressions(const QString& text, const ExpressionDelimiters& delimiters,
                          const ExpressionTextFunc& textOf) {
  if (!delimiters.IsUsable()) return text;
  QString result;
  qsizetype done = 0;
  for (qsizetype open = text.indexOf(delimiters.Open); open >= 0; open = text.indexOf(delimiters.Open, done)) {
    const qsizetype close = MatchingClose(text, open, delimiters);
    if (close < 0) break;
    const qsizetype expressionAt = open + delimiters.Open.size();
    result += QStringView(text).mid(done, open - done);
    result += textOf(text.mid(expressionAt, close - expressionAt));
    done = close + delimiters.Close.size();
  }
  result += QStringView(text).mid(done);
  return result;
}

QString ExtractMacros(const QString& text, int totalPages, const QString& copyName) {
  QString result = text;
  result.replace(QStringLiteral("[TotalPages#]"), QString::number(totalPages), Qt::CaseInsensitive);
  result.replace(QStringLiteral("[CopyName#]"), copyName, Qt::CaseInsensitive);
  return result;
}

}  // namespace quitanza::report
