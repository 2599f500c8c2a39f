#include "app/ConfiguracaoWorkflow.h"

using namespace quitanza::doclib;
using namespace quitanza::platform;

TIssuerSettings TConfiguracaoWorkflow::LerConfiguracao() const
{
  const quitanza::platform::IniFile settings = FDm.Settings();
  TIssuerSettings values;
  for (const TIssuerKey& key : IssuerKeys)
    values.*key.Member = settings.ReadString(IssuerSection, key.Name);
  return values;
}

void TConfiguracaoWorkflow::GravarConfiguracao(const TIssuerSettings& values, const QStringList& keys) const
{
  const quitanza::platform::IniFile settings = FDm.Settings();
  for (const TIssuerKey& key : IssuerKeys) {
    if (keys.contains(key.Name))
      settings.WriteString(IssuerSection, key.Name, values.*key.Member);
  }
}

TIssuerSettings TConfiguracaoWorkflow::FormShow()
{
  TIssuerSettings values;
  RunShowingErrors(FUi, [&] { values = LerConfiguracao(); });
  return values;
}

bool TConfiguracaoWorkflow::BitBtn2Click(const TIssuerSettings& values, const QStringList& keys)
{
  if (!RunShowingErrors(FUi, [&] { GravarConfiguracao(values, keys); }))
    return false;
  FUi.Information(QStringLiteral("Configuração salva com sucesso!"));
  return true;
}
