#include "app/windows/WindowUserInterface.h"

#include "app/widgets/MessageBoxes.h"
#include "doclib/InvalidInputError.h"

#include <QWidget>

#include <stdexcept>

namespace quitanza::app {

void WindowUserInterface::Warning(const QString& text)
{
  ShowWarningBox(&m_window, text);
}

bool WindowUserInterface::Question(const QString& text)
{
  return AskQuestion(&m_window, text);
}

void WindowUserInterface::Error(const std::exception& error)
{
  ShowErrorBox(&m_window, QString::fromUtf8(error.what()));
}

void WindowUserInterface::Information(const QString& text)
{
  ShowInformationBox(&m_window, text);
}

void WindowUserInterface::Caution(const QString& text)
{
  ShowWarningBox(&m_window, text);
}

void WindowUserInterface::Preview(report::Report& report)
{
  m_preview(report, &m_window);
}

void WindowUserInterface::FocusField(const QString& name)
{
  QWidget* field = m_window.findChild<QWidget*>(name);
  if (!field)
    throw std::logic_error("The window has no control named " + name.toStdString());
  field->setFocus(Qt::OtherFocusReason);
}

}  // namespace quitanza::app
