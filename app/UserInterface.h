#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace quitanza::report { class Report; }

namespace quitanza::app {

// What the receipt workflows need from whoever shows them to the operator:
// the windows, the command line or a test script. The workflows never throw
// to their caller; what the operator must see goes through these calls, as a
// window's event handler would show it, and the implementations never throw
// back into a workflow, except Preview where it cannot show the report at all.
class UserInterface {
public:
  virtual ~UserInterface() = default;

  // A refused input: caption "Atenção", an OK button, the exclamation icon.
  virtual void Warning(const QString& text) = 0;
  // Caption "Pergunta", Yes and No, the question icon; true for Yes.
  virtual bool Question(const QString& text) = 0;
  // The standard error box with the error's message: the action ended so.
  virtual void Error(const std::exception& error) = 0;
  // A plain message box with the application's title and OK.
  virtual void Information(const QString& text) = 0;
  // Something the operator should know before going on, which does not stop
  // the action: caption "Atenção", an OK button, the exclamation icon.
  virtual void Caution(const QString& text) = 0;

  // Issuing's progress bar: ShowProgress runs it to full (the animation is
  // the window's business) and it stays full until HideProgress.
  virtual void ShowProgress() = 0;
  virtual void HideProgress() = 0;
  // The report preview of the prepared pages; returns when the operator
  // closes it. Throws when the report cannot be shown (the command line's PDF
  // export failing): the workflow's step failed.
  virtual void Preview(quitanza::report::Report& report) = 0;

  // Empties the entry fields (an amount field shows "0,00" again).
  virtual void ClearFields() = 0;
  // Puts the focus on the control of that name, such as "edtCliente".
  virtual void FocusField(const QString& name) = 0;
};

// An input refused as the windows refuse one: the "Atenção" box, then the
// focus on the offending field.
void WarnAndFocus(UserInterface& ui, const QString& text, const QString& field);

// Runs an event handler the way the toolkit does: an exception that escapes
// it is shown in the standard error box. False when that happened.
bool RunShowingErrors(UserInterface& ui, const std::function<void()>& handler);

}  // namespace quitanza::app
