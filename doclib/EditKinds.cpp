#include "doclib/EditKinds.h"

#include "doclib/CpfCnpjCharacters.h"
#include "doclib/TextPieces.h"

namespace quitanza::doclib {

namespace {

constexpr char16_t Backspace = 8;

bool IsAsciiLetter(QChar c)
{
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The characters the filter looks at at all; every other one passes.
bool IsFiltered(QChar c)
{
  static const QString symbols = QStringLiteral(u"¢£§ª¬°²³´¹º");
  return c == QChar(Backspace) || (c >= u'!' && c <= u'~') || symbols.contains(c);
}

bool PassesCaracter(QChar c, Caracters caracter)
{
  const bool digitOrBackspace = IsAsciiDigit(c) || c == QChar(Backspace);
  switch (caracter) {
  case Caracters::Alfanumeric: return true;
  case Caracters::Numeric: return digitOrBackspace;
  case Caracters::NumericSymbol:
    return digitOrBackspace || (c.unicode() < 128 && !IsAsciiLetter(c)) ||
           QStringLiteral(u"¢£§ª¬°³´º").contains(c);
  case Caracters::Real: return digitOrBackspace || c == u',' || c == u'-';
  case Caracters::IE: return digitOrBackspace || QStringLiteral("EINOSTeinost").contains(c);
  }
  return true;
}

bool ShowsBareDigits(Check check)
{
  switch (check) {
  case Check::CpfCnpj:
  case Check::Cep:
  case Check::Date:
  case Check::Telefone:
  case Check::PIS:
  case Check::Titulo:
  case Check::IE: return true;
  case Check::None:
  case Check::Email:
  case Check::URL:
  case Check::UF: return false;
  }
  return false;
}

}  // namespace

KindSetup SetupOf(Check check)
{
  switch (check) {
  case Check::None: return {0, std::nullopt, true, false};
  case Check::CpfCnpj: return {14, Caracters::Numeric, std::nullopt, false};
  case Check::Cep: return {8, Caracters::Numeric, true, false};
  case Check::IE: return {14, Caracters::IE, false, false};
  case Check::Telefone: return {11, Caracters::Numeric, true, false};
  case Check::Email: return {0, Caracters::Alfanumeric, true, true};
  case Check::URL: return {0, Caracters::Alfanumeric, true, true};
  case Check::Date: return {8, Caracters::Numeric, true, false};
  case Check::UF: return {2, Caracters::Alfanumeric, true, false};
  case Check::PIS: return {11, Caracters::Numeric, true, false};
  case Check::Titulo: return {13, Caracters::Numeric, true, false};
  }
  return {};
}

bool IsKeyAccepted(QChar typed, Caracters caracter, Check check)
{
  if (!IsFiltered(typed))
    return true;
  if (check == Check::UF)
    return typed == QChar(Backspace) || IsAsciiLetter(typed);
  // The alphanumeric CNPJ puts letters where digits were.
  if (check == Check::CpfCnpj && IsAsciiLetter(typed))
    return true;
  return PassesCaracter(typed, caracter);
}

QString TextOnFocusGained(const QString& text, Check check, Caracters caracter)
{
  QString shown = text;
  if (!shown.isEmpty() && ShowsBareDigits(check) && !(check == Check::IE && shown == u"ISENTO"))
    shown = check == Check::CpfCnpj ? CpfCnpjCharacters(shown) : OnlyDigits(shown);
  if (caracter == Caracters::Real)
    shown = ReplaceChar(shown, u'.', QString());
  return shown;
}

}  // namespace quitanza::doclib
