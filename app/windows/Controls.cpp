#include "app/windows/Controls.h"

#include "app/widgets/ValidatedEdit.h"

#include <QLabel>
#include <QPushButton>

namespace quitanza::app {

ValidatedEdit* NewEntryField(QWidget* parent, const QString& name)
{
  auto* field = new ValidatedEdit(parent);
  field->setObjectName(name);
  field->setFont(EntryFont());
  return field;
}

QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent, const QString& name)
{
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text, ButtonPicture picture)
{
  auto* button = new QPushButton(ButtonIcon(picture), text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void FixWindowSize(QWidget& window, const QSize& designed)
{
  window.setFixedSize(window.sizeHint().expandedTo(designed));
}

void SizeResizableWindow(QWidget& window, const QSize& designed)
{
  window.setMinimumSize(window.minimumSizeHint());
  window.resize(window.sizeHint().expandedTo(designed));
}

}  // namespace quitanza::app
