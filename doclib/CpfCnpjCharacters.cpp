#include "doclib/CpfCnpjCharacters.h"

#include "doclib/TextPieces.h"

namespace quitanza::doclib {

QString CpfCnpjCharacters(const QString& text)
{
  QString kept;
  for (const QChar c : text) {
    if (IsAsciiDigit(c) || (c >= u'A' && c <= u'Z'))
      kept += c;
    else if (c >= u'a' && c <= u'z')
      kept += QChar(c.unicode() - u'a' + u'A');
  }
  return kept;
}

}  // namespace quitanza::doclib
