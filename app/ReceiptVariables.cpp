#include "app/ReceiptVariables.h"

#include "app/IssuerSettings.h"
#include "app/TextFunctions.h"
#include "app/UserInterface.h"
#include "app/receipt/ReceiptLayout.h"
#include "platform/storage/IniFile.h"
#include "report/model/Report.h"

#include <QStringList>

#include <map>

namespace quitanza::app {

using namespace platform;
using namespace report;

void SetReceiptVariable(Report& report, QStringView name, const QString& text)
{
  report.Variables.SetValue(name.toString(), QuotedStr(text));
}

void SetIssuerVariables(Report& report, const IniFile& settings)
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

namespace {

// What the operator calls each text a receipt certifies.
QString TextLabel(const QString& objectName)
{
  static const std::map<QString, QString> labels = {
    {QStringLiteral("Empresa"), QStringLiteral("o nome do emitente")},
    {QStringLiteral("CPF_CNPJ"), QStringLiteral("o CPF/CNPJ do emitente")},
    {QStringLiteral("Endereco"), QStringLiteral(u"o endereço")},
    {QStringLiteral("Cidade"), QStringLiteral("a cidade e o telefone")},
    {QStringLiteral("Email_Site"), QStringLiteral("o e-mail e o site")},
    {QStringLiteral("Valor"), QStringLiteral("o valor")},
    {QStringLiteral("Cliente"), QStringLiteral("o cliente")},
    {QStringLiteral("Informacao"), QStringLiteral("o valor por extenso")},
    {QStringLiteral("Referente"), QStringLiteral("o referente")},
    {QStringLiteral("Date"), QStringLiteral("a cidade e a data")},
  };
  const QString original = FirstCopyName(objectName);
  const auto found = labels.find(original);
  return found != labels.end() ? found->second : original;
}

}  // namespace

QString CutTextsCaution(const Report& report)
{
  QStringList labels;
  for (const QString& name : report.TextsCut) {
    const QString label = TextLabel(name);
    if (!labels.contains(label))
      labels << label;
  }
  if (labels.isEmpty())
    return {};
  return QStringLiteral(u"Não coube inteiro no recibo, nem em letra menor: %1.").arg(labels.join(QStringLiteral(", ")));
}

void CautionAboutCutTexts(UserInterface& ui, const Report& report)
{
  const QString caution = CutTextsCaution(report);
  if (!caution.isEmpty())
    ui.Caution(caution);
}

}  // namespace quitanza::app
