#include "app/PrincipalWorkflow.h"

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
