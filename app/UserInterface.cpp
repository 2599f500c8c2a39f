#include "app/UserInterface.h"

namespace quitanza::app {

bool RunShowingErrors(UserInterface& ui, const std::function<void()>& handler)
{
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ui.Error(error);
    return false;
  }
}

void WarnAndFocus(UserInterface& ui, const QString& text, const QString& field)
{
  ui.Warning(text);
  ui.FocusField(field);
}

}  // namespace quitanza::app
