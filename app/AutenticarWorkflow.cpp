#include "app/AutenticarWorkflow.h"

#include "app/AuthenticationCode.h"
#include "app/IssuerSettings.h"
#include "app/TextFunctions.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

// The number printed on a receipt carries leading zeros (N°: 0000000042)
// that the code never covered: 42 and 0000000042 are the same receipt.
QString WithoutLeadingZeros(const QString& typed)
{
  qsizetype zeros = 0;
  while (zeros + 1 < typed.size() && typed.at(zeros) == u'0')
    ++zeros;
  return typed.mid(zeros);
}

}  // namespace

std::optional<QString> AutenticarWorkflow::BitBtn1Click(const AuthenticationEntry& entry)
{
  if (entry.Codigo.isEmpty()) {
    WarnAndFocus(m_ui, QStringLiteral("Informe o código do recibo."), QStringLiteral("edtCodigo"));
    return std::nullopt;
  }
  if (entry.Cliente.isEmpty()) {
    WarnAndFocus(m_ui, QStringLiteral("Informe o Cliente."), QStringLiteral("edtCliente"));
    return std::nullopt;
  }
  std::optional<QString> code;
  RunShowingErrors(m_ui, [&] {
    if (StringToFloat(entry.Valor) == 0) {
      WarnAndFocus(m_ui, QStringLiteral("Informe o Valor."), QStringLiteral("edtValor"));
      return;
    }
    const QString issuerDocument = m_dm.Settings().ReadString(IssuerSection, u"CFP_CNPJ");
    code = CodigoAutenticacao(entry.Valor, issuerDocument, WithoutLeadingZeros(entry.Codigo), entry.Cliente);
  });
  return code;
}

}  // namespace quitanza::app
