#include "doclib/Formatting.h"

#include "doclib/AmountCharacters.h"
#include "doclib/CpfCnpjCharacters.h"
#include "doclib/TextPieces.h"

#include <algorithm>

namespace quitanza::doclib {

QString OnlyDigits(const QString& text)
{
  QString digits;
  std::copy_if(text.cbegin(), text.cend(), std::back_inserter(digits), IsAsciiDigit);
  return digits;
}

QString ReplaceChar(const QString& text, QChar character, const QString& replacement)
{
  QString result = text;
  return result.replace(character, replacement);
}

double ParseValue(const QString& text)
{
  const QString kept = AmountCharacters(text);
  if (!IsAmountNumber(kept))
    ThrowNotANumber(kept);
  bool ok = false;
  // The kept text is a plain decimal; only its comma differs from the C form.
  const double value = QString(kept).replace(u',', u'.').toDouble(&ok);
  if (!ok)
    ThrowNotANumber(kept);
  return value;
}

QString FormatCpfCnpj(const QString& text)
{
  const QString number = CpfCnpjCharacters(text);
  if (number.isEmpty())
    return number;
  if (number.size() == 11 && std::all_of(number.cbegin(), number.cend(), IsAsciiDigit))
    return Piece(number, 1, 3) + u'.' + Piece(number, 4, 3) + u'.' + Piece(number, 7, 3) + u'-' + Piece(number, 10, 2);
  return Piece(number, 1, 2) + u'.' + Piece(number, 3, 3) + u'.' + Piece(number, 6, 3) + u'/' + Piece(number, 9, 4) +
         u'-' + Piece(number, 13, 2);
}

QString FormatCep(const QString& text)
{
  if (text.size() != 8)
    return OnlyDigits(text);
  return Piece(text, 1, 2) + u'.' + Piece(text, 3, 3) + u'-' + Piece(text, 6, 3);
}

QString FormatPis(const QString& text)
{
  const QString digits = OnlyDigits(text);
  if (digits.isEmpty())
    return digits;
  return Piece(digits, 1, 3) + u'.' + Piece(digits, 4, 5) + u'.' + Piece(digits, 9, 2) + u'-' + Piece(digits, 11, 1);
}

QString FormatTelefone(const QString& text)
{
  // Pieces come from the trimmed text, so surrounding blanks cannot shift the
  // digits into the wrong places.
  const QString trimmed = TrimBlanks(text);
  if (trimmed.size() < 9 || trimmed.size() > 11)
    return trimmed;
  const qsizetype prefixLength = trimmed.size() - 6;  // 3 to 5 digits before the hyphen
  return u'(' + Piece(trimmed, 1, 2) + u')' + Piece(trimmed, 3, prefixLength) + u'-' +
         Piece(trimmed, 3 + prefixLength, 4);
}

QString FormatTitulo(const QString& text)
{
  if (TrimBlanks(text).isEmpty())
    return text;
  return Piece(text, 1, 9) + u'-' + Piece(text, 10, 2) + u'.' + Piece(text, 12, 2);
}

QString WidenTitulo(const QString& text)
{
  const QString digits = OnlyDigits(text);
  qsizetype leadingZeros = 0;
  while (leadingZeros < digits.size() && digits.at(leadingZeros) == u'0')
    ++leadingZeros;
  return digits.mid(leadingZeros).rightJustified(13, u'0');
}

}  // namespace quitanza::doclib
