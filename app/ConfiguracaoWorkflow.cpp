#include "app/ConfiguracaoWorkflow.h"

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

IssuerSettings ConfiguracaoWorkflow::LerConfiguracao() const
{
  const platform::IniFile settings = m_dm.Settings();
  IssuerSettings values;
  for (const IssuerKey& key : IssuerKeys)
    values.*key.Member = settings.ReadString(IssuerSection, key.Name);
  return values;
}

void ConfiguracaoWorkflow::GravarConfiguracao(const IssuerSettings& values, const QStringList& keys) const
{
  const platform::IniFile settings = m_dm.Settings();
  for (const IssuerKey& key : IssuerKeys) {
    if (keys.contains(key.Name))
      settings.WriteString(IssuerSection, key.Name, values.*key.Member);
  }
}

IssuerSettings ConfiguracaoWorkflow::FormShow()
{
  IssuerSettings values;
  RunShowingErrors(m_ui, [&] { values = LerConfiguracao(); });
  return values;
}

bool ConfiguracaoWorkflow::BitBtn2Click(const IssuerSettings& values, const QStringList& keys)
{
  if (!RunShowingErrors(m_ui, [&] { GravarConfiguracao(values, keys); }))
    return false;
  m_ui.Information(QStringLiteral("Configuração salva com sucesso!"));
  return true;
}

}  // namespace quitanza::app
