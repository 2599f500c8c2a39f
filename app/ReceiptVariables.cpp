#include "app/ReceiptVariables.h"

#include "app/IssuerSettings.h"
#include "app/TextFunctions.h"
#include "platform/IniFile.h"
#include "report/model/frxReport.h"

void SetReceiptVariable(TfrxReport& report, QStringView name, const QString& text)
{
  report.Variables.SetValue(name.toString(), QuotedStr(text));
}

void SetIssuerVariables(TfrxReport& report, const TIniFile& settings)
{
  // Each key is read when its variable is set, as the settings are never cached.
  const auto setting = [&](QStringView key) { return settings.ReadString(IssuerSection, key); };
  SetReceiptVariable(report, u"Empresa", setting(u"EMPRESA").toUpper());
  SetReceiptVariable(report, u"Endereco", setting(u"ENDERECO") + u',' + setting(u"BAIRRO"));
  SetReceiptVariable(report, u"Cidade", QStringLiteral("Fone: ") + setting(u"TELEFONE") + QStringLiteral(" / ") +
                                          setting(u"CIDADE"));
  SetReceiptVariable(report, u"CidadeData", setting(u"CIDADE"));
  SetReceiptVariable(report, u"Email_Site", setting(u"EMAIL") + QStringLiteral(" / ") + setting(u"SITE"));
}

QString ReceiptNumberText(std::int32_t codigo)
{
  return QStringLiteral(u"N°: ") + QString::asprintf("%.10d", codigo);
}
