#include "doclib/Extenso.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace quitanza::doclib {

namespace {

using WordTable = std::array<const char16_t*, 10>;

constexpr std::array<WordTable, 4> wordTables{{
  {u"", u"Um", u"Dois", u"Três", u"Quatro", u"Cinco", u"Seis", u"Sete", u"Oito", u"Nove"},
  {u"Dez", u"Onze", u"Doze", u"Treze", u"Quatorze", u"Quinze", u"Dezesseis", u"Dezessete", u"Dezoito",
   u"Dezenove"},
  {u"", u"", u"Vinte", u"Trinta", u"Quarenta", u"Cinquenta", u"Sessenta", u"Setenta", u"Oitenta", u"Noventa"},
  {u"", u"Cento", u"Duzentos", u"Trezentos", u"Quatrocentos", u"Quinhentos", u"Seiscentos", u"Setecentos",
   u"Oitocentos", u"Novecentos"},
}};

constexpr int unitsTable = 0;
constexpr int tenToNineteenTable = 1;
constexpr int tensTable = 2;
constexpr int hundredsTable = 3;

// 999.999.999.999,99 in ten-thousandths.
constexpr std::int64_t largestWrittenTicks = 9'999'999'999'999'900;

// Appends `piece` to `text`, separated by `separator` when both have words.
void appendJoined(QString& text, const QString& piece, QStringView separator)
{
  if (!text.isEmpty() && !piece.isEmpty())
    text += separator;
  text += piece;
}

// The amount rounded to 15 significant decimal digits, as the amount is held
// when it is written out; only counts of 16 or more digits change.
std::int64_t toFifteenSignificantDigits(std::int64_t ticks)
{
  std::int64_t step = 1;
  for (std::int64_t rest = ticks / 1'000'000'000'000'000; rest > 0; rest /= 10)
    step *= 10;
  return (ticks + step / 2) / step * step;
}

QString groupWords(std::int64_t groupValue, QStringView singularSuffix, QStringView pluralSuffix)
{
  QString words = Extenso1_999(static_cast<int>(groupValue));
  if (!words.isEmpty())
    words += groupValue == 1 ? singularSuffix : pluralSuffix;
  return words;
}

QString wordsOfMagnitude(std::int64_t ticks, const QString& currencySingular, const QString& currencyPlural,
                         const QString& centSingular, const QString& centPlural)
{
  const std::int64_t centavos = Amount::FromTicks(ticks).RoundedToDecimals(2);
  const std::int64_t wholeUnits = centavos / 100;
  const std::int64_t cents = centavos % 100;

  QString result = groupWords(wholeUnits / 1'000'000'000, u" Bilhão", u" Bilhões");
  appendJoined(result, groupWords(wholeUnits / 1'000'000 % 1000, u" Milhão", u" Milhões"), u", ");
  appendJoined(result, groupWords(wholeUnits / 1000 % 1000, u" Mil", u" Mil"), u", ");
  appendJoined(result, Extenso1_999(static_cast<int>(wholeUnits % 1000)), u", ");

  if (!result.isEmpty()) {
    // The number of the name follows the words written, so 1,9999 (written
    // as two) takes the plural.
    if (wholeUnits != 1 && (result.endsWith(u"ão") || result.endsWith(u"ões")))
      result += u" de";
    result += u' ';
    result += wholeUnits == 1 ? currencySingular : currencyPlural;
  }

  QString centWords = Extenso1_999(static_cast<int>(cents));
  if (!centWords.isEmpty()) {
    centWords += u' ';
    centWords += cents == 1 ? centSingular : centPlural;
    appendJoined(result, centWords, u", ");
  }

  const qsizetype lastComma = result.lastIndexOf(u',');
  if (lastComma >= 0)
    result.replace(lastComma, 1, QStringLiteral(" e"));
  return result;
}

}  // namespace

QString ExtensoDigito(int digit, int table)
{
  if (table < unitsTable || table > hundredsTable || digit < 0 || digit > 9)
    return QStringLiteral("<Erro ExtensoDigito>");
  return QString::fromUtf16(wordTables[table][digit]);
}

QString Extenso1_999(int n)
{
  if (n < 0 || n > 999)
    return QStringLiteral("<Erro Extenso1_999>");
  if (n == 100)
    return QStringLiteral("Cem");
  const int hundreds = n / 100;
  const int tens = n / 10 % 10;
  const int units = n % 10;

  QString words = ExtensoDigito(hundreds, hundredsTable);
  appendJoined(words, tens == 1 ? ExtensoDigito(units, tenToNineteenTable) : ExtensoDigito(tens, tensTable), u" e ");
  if (tens != 1)
    appendJoined(words, ExtensoDigito(units, unitsTable), u" e ");
  return words;
}

QString Extenso(Amount amount, const QString& currencySingular, const QString& currencyPlural,
                const QString& centSingular, const QString& centPlural)
{
  const QString tooLarge = QStringLiteral("Valor Muito Extenso");
  // Checked before any arithmetic, so the most negative count cannot overflow.
  constexpr std::int64_t tenToTheSixteen = 10'000'000'000'000'000;
  if (amount.Ticks() >= tenToTheSixteen || amount.Ticks() <= -tenToTheSixteen)
    return tooLarge;

  const std::int64_t magnitude = toFifteenSignificantDigits(std::abs(amount.Ticks()));
  if (magnitude > largestWrittenTicks)
    return tooLarge;
  const QString words = wordsOfMagnitude(magnitude, currencySingular, currencyPlural, centSingular, centPlural);
  return amount.Ticks() < 0 && !words.isEmpty() ? QStringLiteral("Menos ") + words : words;
}

}  // namespace quitanza::doclib
