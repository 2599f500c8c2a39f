#include "app/ReceiptIssuer.h"

#include "app/AuthenticationCode.h"
#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"
#include "app/TextFunctions.h"
#include "app/ValorPorExtenso.h"
#include "report/model/PreviewPages.h"

#include <QDateTime>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

std::optional<EntryRefusal> RefusalOf(const ReceiptEntry& entry)
{
  if (entry.Cliente.isEmpty())
    return EntryRefusal{QStringLiteral("Informe o Cliente."), QStringLiteral("edtCliente")};
  if (StringToFloat(entry.Valor) == 0)
    return EntryRefusal{QStringLiteral("Informe o Valor."), QStringLiteral("edtValor")};
  return std::nullopt;
}

QString IssueFailureMessage(const std::exception& error)
{
  return QStringLiteral("Erro ao gerar recibo: ") + QString::fromUtf8(error.what());
}

std::int32_t NextCodigo(std::int32_t codigo)
{
  if (codigo == std::numeric_limits<std::int32_t>::max())
    throw std::runtime_error(
      QStringLiteral("CODIGO=%1 é o último número de recibo possível.").arg(codigo).toStdString());
  return codigo + 1;
}

std::int32_t ReceiptIssuer::FirstFreeCodigo(const platform::IniFile& settings) const
{
  return NextCodigo(std::max(settings.ReadInteger(IssuerSection, CounterKey), m_dm.HighestCodigo()));
}

ReceiptIssuer::~ReceiptIssuer()
{
  // Whoever prepares the report next may load or change its template.
  if (m_loadedTipo)
    m_dm.frxReport.PreviewPages().ReuseSourcePages(false);
}

ReceiptRecord ReceiptIssuer::Prepare(const ReceiptEntry& entry, const platform::IniFile& settings, std::int32_t codigo,
                                     bool clearLastReport)
{
  const Amount valor = Amount::FromDouble(StringToFloat(entry.Valor));
  const QString informacao = ValorPorExtenso(valor).toUpper();
  const QString autenticacao =
    CodigoAutenticacao(entry.Valor, settings.ReadString(IssuerSection, u"CFP_CNPJ"), codigo, entry.Cliente);

  // Preparing gives every object back the state it was printed from, so
  // the template loaded for the last receipt of this type serves again, and
  // so do the prepared pages' copies of it.
  if (m_loadedTipo != entry.Tipo) {
    m_dm.fImagem.clear();
    m_dm.LoadReceiptTemplate(entry.Tipo);
    m_dm.frxReport.PreviewPages().ReuseSourcePages(true);
    m_loadedTipo = entry.Tipo;
  }
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
  SetReceiptVariable(report, u"Codigo", ReceiptNumberText(codigo));
  // What preparation reports, the engine shows itself; only what it raises stops the issue.
  report.PrepareReport(clearLastReport);

  ReceiptRecord record;
  record.Cliente = entry.Cliente;
  record.CNPJ = entry.CNPJ;
  record.Valor = valor;
  record.Referente = entry.Referente;
  record.Tipo = entry.Tipo;
  record.Codigo = codigo;
  record.Autenticacao = autenticacao;
  record.Data = issuedAt;
  return record;
}

void ReceiptIssuer::Insert(const ReceiptRecord& record)
{
  m_dm.SetRegisterActive();
  m_dm.cdsReg.Insert();
  m_dm.cdsRegCliente.SetAsString(record.Cliente);
  m_dm.cdsRegCNPJ.SetAsString(record.CNPJ);
  m_dm.cdsRegValor.SetAsCurrency(record.Valor);
  m_dm.cdsRegReferente.SetAsString(record.Referente);
  m_dm.cdsRegTipo.SetAsInteger(record.Tipo);
  m_dm.cdsRegCodigo.SetAsInteger(record.Codigo);
  m_dm.cdsRegAutenticacao.SetAsString(record.Autenticacao);
  m_dm.cdsRegData.SetAsDateTime(record.Data);
  m_dm.cdsReg.Post();
}

}  // namespace quitanza::app
