#pragma once

#include <QString>
#include <QStringList>

namespace quitanza::report {

// Text of a line list: every line followed by CR LF.
QString LinesToText(const QStringList& lines);
// Lines of a text: breaks at CR, LF, CR LF and U+2028; a last piece without a
// break is a line; text after a NUL is ignored; an empty text has no lines.
QStringList SplitLines(const QString& text);
// Lines joined by CR LF without a final break, as list attributes are written.
QString JoinLines(const QStringList& lines);

}  // namespace quitanza::report
