#pragma once

#include <QString>

#include <string>

// Attribute values of the template dialect. The writer escapes LF, CR, '"',
// '&', '<' and '>' as numeric references, except that "&quot;" stands for one
// quote and that an '&' is kept bare in values shorter than 32 characters
// where the reader would not take it for the start of a reference.
QString frxStrToXML(const QString& value);
void frxAppendXML(QString& out, QStringView value);
// The same, appended as UTF-8 to a std::string or a TfrxXMLText.
template <class Out> void frxAppendXMLUtf8(Out& out, QStringView value);

// The reader's inverse: numeric references and &quot; &amp; &lt; &gt; are
// decoded; any other '&' is kept.
QString frxXMLToStr(QStringView value);
QString frxXMLToStr(QByteArrayView utf8);
