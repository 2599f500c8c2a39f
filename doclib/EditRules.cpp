#include "doclib/EditRules.h"

#include "doclib/Amount.h"
#include "doclib/CpfCnpjCharacters.h"
#include "doclib/InvalidInputError.h"
#include "doclib/TextPieces.h"
#include "doclib/Validar.h"

#include <algorithm>

namespace quitanza::doclib {

namespace {

bool passesCheck(Check check, const QString& text, const QString& uf)
{
  switch (check) {
  case Check::CpfCnpj: return IsValidCpfCnpj(text);
  case Check::Cep: return IsValidCep(text);
  case Check::IE: return IsValidIE(text, uf);
  case Check::Telefone: return IsValidTelefone(text);
  case Check::Email: return IsValidEmail(text);
  case Check::URL: return IsValidURL(text);
  case Check::UF: return IsValidUF(text);
  case Check::PIS: return IsValidPis(text);
  case Check::Titulo: return IsValidTitulo(text);
  case Check::None:
  case Check::Date: return true;  // a date is checked by its formatting
  }
  return true;
}

QString formatted(Check check, const QString& text, const QString& uf)
{
  switch (check) {
  case Check::CpfCnpj: return FormatCpfCnpj(text);
  case Check::Cep: return FormatCep(text);
  case Check::IE: return TrimBlanks(text) == u"ISENTO" ? text : FormatIE(OnlyDigits(text), uf);
  case Check::Telefone: return FormatTelefone(text);
  case Check::Date: return FormatDate(text);
  case Check::PIS: return FormatPis(text);
  case Check::Titulo: return FormatTitulo(WidenTitulo(text));
  case Check::None:
  case Check::Email:
  case Check::URL:
  case Check::UF: return text;
  }
  return text;
}

QString phraseOf(Check check, const QString& text, const QString& uf)
{
  switch (check) {
  case Check::Cep: return QStringLiteral("não é um CEP válido");
  // Told apart by the number's length, so punctuation does not turn a CPF into a CNPJ.
  case Check::CpfCnpj:
    return CpfCnpjCharacters(text).size() == 11 ? QStringLiteral("não é um CPF válido")
                                                : QStringLiteral("não é um CNPJ válido");
  case Check::Email: return QStringLiteral("Formato de E-mail não aceitável");
  case Check::IE: return QStringLiteral("não é uma IE válido para UF: ") + uf;
  case Check::PIS: return QStringLiteral("Não é um PIS válida");
  case Check::Telefone: return QStringLiteral("não é um número de telefone válido");
  case Check::Titulo: return QStringLiteral("Não é um título válida");
  case Check::UF: return QStringLiteral("Não é uma UF válida");
  case Check::URL: return QStringLiteral("Não é endereço WEB aceitável");
  case Check::None:
  case Check::Date: break;
  }
  return QString();
}

bool isMissing(const QString& text, const EditSettings& settings)
{
  const QString trimmed = TrimBlanks(text);
  return trimmed.isEmpty() || (settings.Caracter == Caracters::Real && Amount::FromBrazilianText(text).Ticks() == 0) ||
         (settings.Check == Check::Telefone && trimmed.size() == 2);
}

}  // namespace

QString ApplyCharCase(Check check, const QString& text)
{
  return check == Check::Email || check == Check::URL ? text.toLower() : text.toUpper();
}

QString FormatValue(const QString& text, int casasDecimais)
{
  const int decimals = std::clamp(casasDecimais, 2, 6);
  const Amount amount = OnlyDigits(text).isEmpty() ? Amount() : Amount::FromBrazilianText(text);
  return amount.ToBrazilianText(decimals);
}

QString RefusalMessage(Check check, const QString& text, const QString& uf)
{
  return QStringLiteral(" \" ") + text + QStringLiteral(" \" ") + phraseOf(check, text, uf);
}

QString TextOnFocusLost(const QString& text, const EditSettings& settings)
{
  QString shown = text;
  if (!TrimBlanks(text).isEmpty() || settings.Check == Check::Date) {
    if (!passesCheck(settings.Check, shown, settings.UF))
      throw InvalidInputError(RefusalMessage(settings.Check, shown, settings.UF));
    shown = formatted(settings.Check, shown, settings.UF);
    if (settings.Caracter == Caracters::Real)
      shown = FormatValue(shown, settings.CasasDecimais);
  }
  if (!settings.AcceptNull && isMissing(shown, settings))
    throw InvalidInputError(QStringLiteral("Informação necessária"));
  return shown;
}

}  // namespace quitanza::doclib
