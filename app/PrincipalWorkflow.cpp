#include "app/PrincipalWorkflow.h"

#include "app/AuthenticationCode.h"
#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"
#include "app/TextFunctions.h"
#include "app/ValorPorExtenso.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

const QString IssueErrorPrefix = QStringLiteral("Erro ao gerar recibo: ");

Amount AmountOf(const QString& valor)
{
  return Amount::FromDouble(StringToFloat(valor));
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

void PrincipalWorkflow::FormShow()
{
  m_ui.FocusField(QStringLiteral("edtCliente"));
  RunShowingErrors(m_ui, [&] { m_dm.LoadOrCreateRegister(); });
}

bool PrincipalWorkflow::FormClose()
{
  return RunShowingErrors(m_ui, [&] { m_dm.SaveRegister(); });
}

void PrincipalWorkflow::btnLimparClick()
{
  m_ui.ClearFields();
  m_ui.FocusField(QStringLiteral("edtCliente"));
}

std::optional<IssuedReceipt> PrincipalWorkflow::btnEmitirClick(const ReceiptEntry& entry)
{
  if (entry.Cliente.isEmpty()) {
    WarnAndFocus(m_ui, QStringLiteral("Informe o Cliente."), QStringLiteral("edtCliente"));
    return std::nullopt;
  }
  double valor = 0;
  if (!RunShowingErrors(m_ui, [&] { valor = StringToFloat(entry.Valor); }))
    return std::nullopt;
  if (valor == 0) {
    WarnAndFocus(m_ui, QStringLiteral("Informe o Valor."), QStringLiteral("edtValor"));
    return std::nullopt;
  }

  std::optional<app::IssuedReceipt> issued;
  std::optional<std::runtime_error> failure;
  try {
    issued = Issue(entry);
  } catch (const std::exception& error) {
    failure.emplace((IssueErrorPrefix + QString::fromUtf8(error.what())).toStdString());
  }
  // The error box comes after the clean-up, as the error leaves the handler.
  btnLimparClick();
  m_ui.HideProgress();
  if (failure)
    m_ui.Error(*failure);
  return issued;
}

IssuedReceipt PrincipalWorkflow::Issue(const ReceiptEntry& entry)
{
  const platform::IniFile settings = m_dm.Settings();
  m_ui.ShowProgress();
  m_dm.fImagem.clear();
  const QString informacao = ValorPorExtenso(AmountOf(entry.Valor)).toUpper();
  // The register is saved before the counter: a run that ends between the two
  // has stored a number CODIGO does not know yet, and must not issue it again.
  const std::int32_t fCodigo =
    NextCodigo(std::max(settings.ReadInteger(IssuerSection, CounterKey), m_dm.HighestCodigo()));
  const QString autenticacao =
    CodigoAutenticacao(entry.Valor, settings.ReadString(IssuerSection, u"CFP_CNPJ"), fCodigo, entry.Cliente);

  m_dm.LoadReceiptTemplate(entry.Tipo);
  quitanza::report::Report& report = m_dm.frxReport;
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
  CautionAboutCutTexts(m_ui, report);
  m_ui.Preview(report);

  m_dm.SetRegisterActive();
  m_dm.cdsReg.Insert();
  m_dm.cdsRegCliente.SetAsString(entry.Cliente);
  m_dm.cdsRegCNPJ.SetAsString(entry.CNPJ);
  m_dm.cdsRegValor.SetAsCurrency(AmountOf(entry.Valor));
  m_dm.cdsRegReferente.SetAsString(entry.Referente);
  m_dm.cdsRegTipo.SetAsInteger(entry.Tipo);
  m_dm.cdsRegCodigo.SetAsInteger(fCodigo);
  m_dm.cdsRegAutenticacao.SetAsString(autenticacao);
  m_dm.cdsRegData.SetAsDateTime(issuedAt);
  m_dm.cdsReg.Post();
  m_dm.SaveRegister();
  settings.WriteInteger(IssuerSection, CounterKey, fCodigo);
  return {fCodigo, autenticacao};
}

}  // namespace quitanza::app
