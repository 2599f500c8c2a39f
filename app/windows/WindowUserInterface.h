#pragma once

#include "app/UserInterface.h"
#include "app/windows/WindowServices.h"

class QWidget;

namespace quitanza::app {

// The workflows shown in a window: modal message boxes over it, the focus
// put on its controls by name, the preview over it. Issuing's progress and
// clearing belong to the main window, which overrides them; the other
// windows' workflows never ask for them.
class WindowUserInterface : public UserInterface {
public:
  WindowUserInterface(QWidget& window, PreviewFunction preview) : m_window(window), m_preview(std::move(preview)) {}

  void Warning(const QString& text) override;
  bool Question(const QString& text) override;
  void Error(const std::exception& error) override;
  void Information(const QString& text) override;
  void Caution(const QString& text) override;
  void ShowProgress() override {}
  void HideProgress() override {}
  void Preview(report::Report& report) override;
  void ClearFields() override {}
  void FocusField(const QString& name) override;

private:
  QWidget& m_window;
  PreviewFunction m_preview;
};

}  // namespace quitanza::app
