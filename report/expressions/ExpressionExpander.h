#pragma once

#include <QString>

#include <functional>

namespace quitanza::report {

// The opening and closing delimiters of a memo's `ExpressionDelimiters` ("[,]"):
// everything before the first comma opens, everything after it (at most 255
// characters) closes. Without a comma, or with either side empty, there are no
// usable delimiters and nothing is expanded.
struct ExpressionDelimiters {
  QString Open;
  QString Close;

  static report::ExpressionDelimiters Parse(const QString& expressionDelimiters);
  bool IsUsable() const { return !Open.isEmpty() && !Close.isEmpty(); }
};

// The text that replaces one bracketed expression; receives the text between the delimiters.
using ExpressionTextFunc = std::function<QString(const QString& expression)>;

// Replaces every delimited expression of `text` by `textOf(expression)`, left to right.
// Nested delimiters are counted (so "[a[b]c]" is the single expression "a[b]c"), and
// delimiters inside single- or double-quoted strings that start after the opening
// delimiter do not count. Inserted texts are never scanned again. An opening delimiter
// without a matching closing one is left as it is, with the rest of the text.
QString ExpandExpressions(const QString& text, const ExpressionDelimiters& delimiters,
                          const ExpressionTextFunc& textOf);

// Fills in, at drawing time, the placeholders that expansion leaves for values known
// only then: "[TotalPages#]" becomes the total page count and "[CopyName#]" the copy's
// name (letter case ignored in both).
QString ExtractMacros(const QString& text, int totalPages, const QString& copyName);

}  // namespace quitanza::report
