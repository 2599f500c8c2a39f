#include "doclib/MVEditRules.h"

#include "doclib/Amount.h"
#include "doclib/CpfCnpjCharacters.h"
#include "doclib/InvalidInputError.h"
#include "doclib/MVValidar.h"
#include "doclib/TextPieces.h"

#include <algorithm>

namespace {

bool passesCheck(TCheck check, const QString& text, const QString& uf)
{
  switch (check) {
  case ckCpfCnpj: return IsValidCpfCnpj(text);
  case ckCep: return IsValidCep(text);
  case ckIE: return IsValidIE(text, uf);
  case ckTelefone: return IsValidTelefone(text);
  case ckEmail: return IsValidEmail(text);
  case ckURL: return IsValidURL(text);
  case ckUF: return IsValidUF(text);
  case ckPIS: return IsValidPis(text);
  case ckTitulo: return IsValidTitulo(text);
  case ckNone:
  case ckDate: return true;  // a date is checked by its formatting
  }
  return true;
}

QString formatted(TCheck check, const QString& text, const QString& uf)
{
  switch (check) {
  case ckCpfCnpj: return FormatCpfCnpj(text);
  case ckCep: return FormatCep(text);
  case ckIE: return TrimBlanks(text) == u"ISENTO" ? text : FormatIE(OnlyDigits(text), uf);
  case ckTelefone: return FormatTelefone(text);
  case ckDate: return FormatDate(text);
  case ckPIS: return FormatPis(text);
  case ckTitulo: return FormatTitulo(WidenTitulo(text));
  case ckNone:
  case ckEmail:
  case ckURL:
  case ckUF: return text;
  }
  return text;
}

QString phraseOf(TCheck check, const QString& text, const QString& uf)
{
  switch (check) {
  case ckCep: return QStringLiteral("não é um CEP válido");
  // Told apart by the number's length, so punctuation does not turn a CPF into a CNPJ.
  case ckCpfCnpj:
    return CpfCnpjCharacters(text).size() == 11 ? QStringLiteral("não é um CPF válido")
                                                : QStringLiteral("não é um CNPJ válido");
  case ckEmail: return QStringLiteral("Formato de E-mail não aceitável");
  case ckIE: return QStringLiteral("não é uma IE válido para UF: ") + uf;
  case ckPIS: return QStringLiteral("Não é um PIS válida");
  case ckTelefone: return QStringLiteral("não é um número de telefone válido");
  case ckTitulo: return QStringLiteral("Não é um título válida");
  case ckUF: return QStringLiteral("Não é uma UF válida");
  case ckURL: return QStringLiteral("Não é endereço WEB aceitável");
  case ckNone:
  case ckDate: break;
  }
  return QString();
}

bool isMissing(const QString& text, const MVEditSettings& settings)
{
  const QString trimmed = TrimBlanks(text);
  return trimmed.isEmpty() || (settings.Caracter == tcReal && Amount::fromBrazilianText(text).ticks() == 0) ||
         (settings.Check == ckTelefone && trimmed.size() == 2);
}

}  // namespace

QString ApplyCharCase(TCheck check, const QString& text)
{
  return check == ckEmail || check == ckURL ? text.toLower() : text.toUpper();
}

QString FormatValue(const QString& text, int casasDecimais)
{
  const int decimals = std::clamp(casasDecimais, 2, 6);
  const Amount amount = OnlyDigits(text).isEmpty() ? Amount() : Amount::fromBrazilianText(text);
  return amount.toBrazilianText(decimals);
}

QString RefusalMessage(TCheck check, const QString& text, const QString& uf)
{
  return QStringLiteral(" \" ") + text + QStringLiteral(" \" ") + phraseOf(check, text, uf);
}

QString TextOnFocusLost(const QString& text, const MVEditSettings& settings)
{
  QString shown = text;
  if (!TrimBlanks(text).isEmpty() || settings.Check == ckDate) {
    if (!passesCheck(settings.Check, shown, settings.UF))
      throw InvalidInputError(RefusalMessage(settings.Check, shown, settings.UF));
    shown = formatted(settings.Check, shown, settings.UF);
    if (settings.Caracter == tcReal)
      shown = FormatValue(shown, settings.CasasDecimais);
  }
  if (!settings.AcceptNull && isMissing(shown, settings))
    throw InvalidInputError(QStringLiteral("Informação necessária"));
  return shown;
}
