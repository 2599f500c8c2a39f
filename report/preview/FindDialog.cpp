#include "report/preview/FindDialog.h"

#include "report/preview/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quitanza::report {

namespace {

// What the operator typed last, in whichever preview.
QString& LastText()
{
  static QString text;
  return text;
}

}  // namespace

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      m_text(new QLineEdit(LastText())),
      m_fromBeginning(new QCheckBox(tr("Search from beginning"))),
      m_caseSensitive(new QCheckBox(tr("Case sensitive")))
{
  setWindowTitle(tr("Find Text"));
  auto* label = new QLabel(tr("Text to find:"));
  label->setBuddy(m_text);
  auto* options = new QGroupBox(tr("Search options"));
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(m_fromBeginning);
  optionsLayout->addWidget(m_caseSensitive);
  QDialogButtonBox* buttons = OkCancelButtons(*this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(m_text);
  layout->addWidget(options);
  layout->addWidget(buttons);
  m_text->selectAll();
}

QString FindDialog::Text() const
{
  return m_text->text();
}

bool FindDialog::FromBeginning() const
{
  return m_fromBeginning->isChecked();
}

bool FindDialog::CaseSensitive() const
{
  return m_caseSensitive->isChecked();
}

void FindDialog::accept()
{
  LastText() = m_text->text();
  QDialog::accept();
}

}  // namespace quitanza::report
