#include "app/PrincipalWorkflow.h"

#include "app/IssuerSettings.h"
#include "app/ReceiptVariables.h"

#include <stdexcept>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

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
  std::optional<EntryRefusal> refusal;
  if (!RunShowingErrors(m_ui, [&] { refusal = RefusalOf(entry); }))
    return std::nullopt;
  if (refusal) {
    WarnAndFocus(m_ui, refusal->Message, refusal->Field);
    return std::nullopt;
  }

  std::optional<app::IssuedReceipt> issued;
  std::optional<std::runtime_error> failure;
  try {
    issued = Issue(entry);
  } catch (const std::exception& error) {
    failure.emplace(IssueFailureMessage(error).toStdString());
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
  // Read once for the whole issue: the data module holds the folder.
  const platform::IniFile settings = m_dm.Settings().Snapshot();
  m_ui.ShowProgress();
  ReceiptIssuer issuer(m_dm);
  const ReceiptRecord record = issuer.Prepare(entry, settings, issuer.FirstFreeCodigo(settings), true);
  CautionAboutCutTexts(m_ui, m_dm.frxReport);
  m_ui.Preview(m_dm.frxReport);

  issuer.Insert(record);
  m_dm.SaveRegister();
  settings.WriteInteger(IssuerSection, CounterKey, record.Codigo);
  return {record.Codigo, record.Autenticacao};
}

}  // namespace quitanza::app
