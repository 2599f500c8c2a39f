#include "app/PrincipalWorkflow.h"

#include "app/AuthenticationCode.h"
#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"
#include "app/TextFunctions.h"
#include "app/ValorPorExtenso.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;

namespace {

const QString IssueErrorPrefix = QStringLiteral("Erro ao gerar recibo: ");

Amount AmountOf(const QString& valor)
{
  return Amount::fromDouble(StringToFloat(valor));
}

std::int32_t NextCodigo(std::int32_t codigo)
{
  // Past the last number the counter would turn negative and repeat numbers.
  if (codigo == std::numeric_limits<std::int32_t>::max())
    throw std::runtime_error(
      QStringLiteral("CODIGO=%1 é o último número de recibo possível.").arg(codigo).toStdString());
  return codigo + 1;
}

}  // namespace

void TPrincipalWorkflow::FormShow()
{
  FUi.FocusField(QStringLiteral("edtCliente"));
  RunShowingErrors(FUi, [&] { FDm.LoadOrCreateRegister(); });
}

bool TPrincipalWorkflow::FormClose()
{
  return RunShowingErrors(FUi, [&] { FDm.SaveRegister(); });
}

void TPrincipalWorkflow::btnLimparClick()
{
  FUi.ClearFields();
  FUi.FocusField(QStringLiteral("edtCliente"));
}

std::optional<TIssuedReceipt> TPrincipalWorkflow::btnEmitirClick(const TReceiptEntry& entry)
{
  if (entry.Cliente.isEmpty()) {
    WarnAndFocus(FUi, QStringLiteral("Informe o Cliente."), QStringLiteral("edtCliente"));
    return std::nullopt;
  }
  double valor = 0;
  if (!RunShowingErrors(FUi, [&] { valor = StringToFloat(entry.Valor); }))
    return std::nullopt;
  if (valor == 0) {
    WarnAndFocus(FUi, QStringLiteral("Informe o Valor."), QStringLiteral("edtValor"));
    return std::nullopt;
  }

  std::optional<TIssuedReceipt> issued;
  std::optional<std::runtime_error> failure;
  try {
    issued = Issue(entry);
  } catch (const std::exception& error) {
    failure.emplace((IssueErrorPrefix + QString::fromUtf8(error.what())).toStdString());
  }
  // The error box comes after the clean-up, as the error leaves the handler.
  btnLimparClick();
  FUi.HideProgress();
  if (failure)
    FUi.Error(*failure);
  return issued;
}

TIssuedReceipt TPrincipalWorkflow::Issue(const TReceiptEntry& entry)
{
  const quitanza::platform::IniFile settings = FDm.Settings();
  FUi.ShowProgress();
  FDm.fImagem.clear();
  const QString informacao = ValorPorExtenso(AmountOf(entry.Valor)).toUpper();
  // The register is saved before the counter: a run that ends between the two
  // has stored a number CODIGO does not know yet, and must not issue it again.
  const std::int32_t fCodigo =
    NextCodigo(std::max(settings.ReadInteger(IssuerSection, CounterKey), FDm.HighestCodigo()));
  const QString autenticacao =
    CodigoAutenticacao(entry.Valor, settings.ReadString(IssuerSection, u"CFP_CNPJ"), fCodigo, entry.Cliente);

  FDm.LoadReceiptTemplate(entry.Tipo);
  TfrxReport& report = FDm.frxReport;
  // The moment the receipt shows is the one the register keeps, for reprints.
  const QDateTime issuedAt = QDateTime::currentDateTime();
  report.PreparationTime = issuedAt;
  SetIssuerVariables(report, settings);
  SetReceiptVariable(report, u"CNPJ_Empresa", settings.ReadString(IssuerSection, u"CFP_CNPJ"));
  SetReceiptVariable(report, u"CPF_CNPJ", entry.CNPJ);
  SetReceiptVariable(report, u"Cliente", entry.Cliente);
  SetReceiptVariable(report, u"Referente", entry.Referente.toUpper());
  SetReceiptVariable(report, u"Informacao", informacao);
  SetReceiptVariable(report, u"Valor", entry.Valor);
  SetReceiptVariable(report, u"MD5", autenticacao);
  SetReceiptVariable(report, u"Codigo", ReceiptNumberText(fCodigo));
  // What preparation reports, the engine shows itself; only what it raises stops the issue.
  report.PrepareReport(true);
  CautionAboutCutTexts(FUi, report);
  FUi.Preview(report);

  FDm.SetRegisterActive();
  FDm.cdsReg.Insert();
  FDm.cdsRegCliente.SetAsString(entry.Cliente);
  FDm.cdsRegCNPJ.SetAsString(entry.CNPJ);
  FDm.cdsRegValor.SetAsCurrency(AmountOf(entry.Valor));
  FDm.cdsRegReferente.SetAsString(entry.Referente);
  FDm.cdsRegTipo.SetAsInteger(entry.Tipo);
  FDm.cdsRegCodigo.SetAsInteger(fCodigo);
  FDm.cdsRegAutenticacao.SetAsString(autenticacao);
  FDm.cdsRegData.SetAsDateTime(issuedAt);
  FDm.cdsReg.Post();
  FDm.SaveRegister();
  settings.WriteInteger(IssuerSection, CounterKey, fCodigo);
  return {fCodigo, autenticacao};
}
