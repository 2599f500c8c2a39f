#include "app/UserInterface.h"

bool RunShowingErrors(TUserInterface& ui, const std::function<void()>& handler)
{
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ui.Error(error);
    return false;
  }
}

void WarnAndFocus(TUserInterface& ui, const QString& text, const QString& field)
{
  ui.Warning(text);
  ui.FocusField(field);
}
