#pragma once

#include <QString>

#include <string>

namespace quitanza::report {

// Attribute values of the template dialect. The writer escapes LF, CR, '"',
// '&', '<' and '>' as numeric references, except that "&quot;" stands for one
// quote and that an '&' is kept bare in values shorter than 32 characters
// where the reader would not take it for the start of a reference.
// Values are appended as UTF-8, as files hold them; a lone surrogate becomes
// U+FFFD.
void AppendXMLUtf8(std::string& out, QStringView value);

// The reader's inverse: numeric references and &quot; &amp; &lt; &gt; are
// decoded; any other '&' is kept.
QString XMLToStr(QStringView value);
// The same from the file's UTF-8; bad sequences decode as QString::fromUtf8
// decodes them, and a leading U+FEFF is a character of the value.
QString XMLToStr(QByteArrayView utf8);

}  // namespace quitanza::report
