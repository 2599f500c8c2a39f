#pragma once

#include <QString>

// Attribute values of the template dialect. The writer escapes LF, CR, '"',
// '&', '<' and '>' as numeric references, except that "&quot;" stands for one
// quote and that a bare '&' is kept in values shorter than 32 characters.
QString frxStrToXML(const QString& value);
void frxAppendXML(QString& out, const QString& value);

// The reader's inverse: numeric references and &quot; &amp; &lt; &gt; are
// decoded; any other '&' is kept.
QString frxXMLToStr(QStringView value);
