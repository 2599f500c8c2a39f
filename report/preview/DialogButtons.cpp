#include "report/preview/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quitanza::report {

QDialogButtonBox* OkCancelButtons(QDialog& dialog)
{
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QCoreApplication::translate("quitanza::report::DialogButtons", "OK"),
                     QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(QCoreApplication::translate("quitanza::report::DialogButtons", "Cancel"),
                     QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace quitanza::report
