#include "app/widgets/MessageBoxes.h"

#include <QMessageBox>

namespace quitanza::app {

namespace {

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                 QMessageBox::StandardButtons buttons)
{
  QMessageBox box(icon, caption, text, buttons, parent);
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString ApplicationTitle()
{
  return QStringLiteral("Quitanza");
}

void ShowErrorBox(QWidget* parent, const QString& message)
{
  Show(parent, QMessageBox::Critical, ApplicationTitle(), message, QMessageBox::Ok);
}

void ShowWarningBox(QWidget* parent, const QString& text)
{
  Show(parent, QMessageBox::Warning, QStringLiteral(u"Atenção"), text, QMessageBox::Ok);
}

bool AskQuestion(QWidget* parent, const QString& text)
{
  return Show(parent, QMessageBox::Question, QStringLiteral("Pergunta"), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void ShowInformationBox(QWidget* parent, const QString& text)
{
  Show(parent, QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok);
}

}  // namespace quitanza::app
