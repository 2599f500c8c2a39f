#include "app/AutenticarWorkflow.h"

#include "app/AuthenticationCode.h"
#include "app/IssuerSettings.h"
#include "app/TextFunctions.h"

std::optional<QString> TAutenticarWorkflow::BitBtn1Click(const TAuthenticationEntry& entry)
{
  if (entry.Codigo.isEmpty()) {
    WarnAndFocus(FUi, QStringLiteral("Informe o código do recibo."), QStringLiteral("edtCodigo"));
    return std::nullopt;
  }
  if (entry.Cliente.isEmpty()) {
    WarnAndFocus(FUi, QStringLiteral("Informe o Cliente."), QStringLiteral("edtCliente"));
    return std::nullopt;
  }
  std::optional<QString> code;
  RunShowingErrors(FUi, [&] {
    if (StringToFloat(entry.Valor) == 0) {
      WarnAndFocus(FUi, QStringLiteral("Informe o Valor."), QStringLiteral("edtValor"));
      return;
    }
    const QString issuerDocument = FDm.Settings().ReadString(IssuerSection, u"CFP_CNPJ");
    code = CodigoAutenticacao(entry.Valor, issuerDocument, entry.Codigo, entry.Cliente);
  });
  return code;
}
