#include "app/ConsultaWorkflow.h"

#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"
#include "app/TextFunctions.h"
#include "app/ValorPorExtenso.h"

using namespace quitanza::doclib;
using namespace quitanza::platform;

void TConsultaWorkflow::FormShow()
{
  FDm.cdsReg.First();
}

bool TConsultaWorkflow::BitBtn2Click()
{
  if (!FUi.Question(QStringLiteral("Deseja realmente excluir?")))
    return false;
  return RunShowingErrors(FUi, [&] { FDm.cdsReg.Delete(); });
}

void TConsultaWorkflow::btnImprimirClick()
{
  if (FDm.cdsReg.IsEmpty())
    return;
  FDm.fImagem.clear();
  RunShowingErrors(FUi, [&] { Reprint(); });
}

void TConsultaWorkflow::Reprint()
{
  const quitanza::platform::IniFile settings = FDm.Settings();
  FDm.LoadReceiptTemplate(FDm.cdsRegTipo.AsInteger());
  const Amount valor = FDm.cdsRegValor.AsCurrency();
  TfrxReport& report = FDm.frxReport;
  SetIssuerVariables(report, settings);
  SetReceiptVariable(report, u"Cliente", FDm.cdsRegCliente.AsString());
  SetReceiptVariable(report, u"CPF_CNPJ", FormatarCpfCnpj(FDm.cdsRegCNPJ.AsString()));
  SetReceiptVariable(report, u"Referente", FDm.cdsRegReferente.AsString().toUpper());
  SetReceiptVariable(report, u"Valor", valor.toBrazilianText(2));
  SetReceiptVariable(report, u"CNPJ_Empresa", FormatarCpfCnpj(settings.ReadString(IssuerSection, u"CFP_CNPJ")));
  SetReceiptVariable(report, u"Informacao", ValorPorExtenso(valor).toUpper());
  SetReceiptVariable(report, u"MD5", FDm.cdsRegAutenticacao.AsString());
  SetReceiptVariable(report, u"Codigo", ReceiptNumberText(FDm.cdsRegCodigo.AsInteger()));
  // The day it was issued; receipts stored before dates were kept show today.
  const QDateTime issuedAt = FDm.cdsRegData.AsDateTime();
  report.PreparationTime = issuedAt.isValid() ? std::optional(issuedAt) : std::nullopt;
  report.PrepareReport(true);
  CautionAboutCutTexts(FUi, report);
  FUi.Preview(report);
}
