#include "app/ConsultaWorkflow.h"

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
