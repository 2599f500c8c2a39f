#pragma once

#include <QString>
#include <QStringList>

// Text of a line list: every line followed by CR LF.
QString frxLinesToText(const QStringList& lines);
// Lines of a text: breaks at CR, LF, CR LF and U+2028; a last piece without a
// break is a line; text after a NUL is ignored; an empty text has no lines.
QStringList frxSplitLines(const QString& text);
// Lines joined by CR LF without a final break, as list attributes are written.
QString frxJoinLines(const QStringList& lines);
