#include "app/ConsultaWorkflow.h"

#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"
#include "app/TextFunctions.h"
#include "app/ValorPorExtenso.h"
#include "app/listing/RegisterCsv.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

void ConsultaWorkflow::FormShow()
{
  m_dm.cdsReg.First();
}

bool ConsultaWorkflow::BitBtn2Click()
{
  if (!m_ui.Question(QStringLiteral("Deseja realmente excluir?")))
    return false;
  return RunShowingErrors(m_ui, [&] { m_dm.cdsReg.Delete(); });
}

void ConsultaWorkflow::btnImprimirClick()
{
  if (m_dm.cdsReg.IsEmpty())
    return;
  m_dm.fImagem.clear();
  RunShowingErrors(m_ui, [&] { Reprint(); });
}

bool ConsultaWorkflow::btnExportarClick(const QString& path)
{
  return RunShowingErrors(m_ui, [&] { ExportRegisterCsv(m_dm.cdsReg, path); });
}

void ConsultaWorkflow::Reprint()
{
  const platform::IniFile settings = m_dm.Settings();
  m_dm.LoadReceiptTemplate(m_dm.cdsRegTipo.AsInteger());
  const Amount valor = m_dm.cdsRegValor.AsCurrency();
  quitanza::report::Report& report = m_dm.frxReport;
  SetIssuerVariables(report, settings);
  SetReceiptVariable(report, u"Cliente", m_dm.cdsRegCliente.AsString());
  SetReceiptVariable(report, u"CPF_CNPJ", FormatarCpfCnpj(m_dm.cdsRegCNPJ.AsString()));
  SetReceiptVariable(report, u"Referente", m_dm.cdsRegReferente.AsString().toUpper());
  SetReceiptVariable(report, u"Valor", valor.ToBrazilianText(2));
  SetReceiptVariable(report, u"CNPJ_Empresa", FormatarCpfCnpj(settings.ReadString(IssuerSection, u"CFP_CNPJ")));
  SetReceiptVariable(report, u"Informacao", ValorPorExtenso(valor).toUpper());
  SetReceiptVariable(report, u"MD5", m_dm.cdsRegAutenticacao.AsString());
  SetReceiptVariable(report, u"Codigo", ReceiptNumberText(m_dm.cdsRegCodigo.AsInteger()));
  // The day it was issued; receipts stored before dates were kept show today.
  const QDateTime issuedAt = m_dm.cdsRegData.AsDateTime();
  report.PreparationTime = issuedAt.isValid() ? std::optional(issuedAt) : std::nullopt;
  report.PrepareReport(true);
  CautionAboutCutTexts(m_ui, report);
  m_ui.Preview(report);
}

}  // namespace quitanza::app
