#include "app/widgets/ValidatedEdit.h"

#include "app/widgets/MessageBoxes.h"
#include "doclib/EditKinds.h"
#include "doclib/InvalidInputError.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

namespace quitanza::app {

using namespace doclib;

namespace {

// Letters take the field's case however they arrive: typed, pasted or dropped.
class LetterCase final : public QValidator {
public:
  LetterCase(const bool& lowerCase, QObject* parent) : QValidator(parent), m_lowerCase(lowerCase) {}

  State validate(QString& input, int&) const override
  {
    input = m_lowerCase ? input.toLower() : input.toUpper();
    return Acceptable;
  }

private:
  const bool& m_lowerCase;
};

// Only the operator moving between fields enters or leaves one: not another
// window coming to the front, a menu opening, or a message box.
bool MovesBetweenFields(Qt::FocusReason reason)
{
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

ValidatedEdit::ValidatedEdit(QWidget* parent) : QLineEdit(parent)
{
  setValidator(new LetterCase(m_lowerCase, this));
  // Pasted or dropped text beyond the limit is cut; typed keys beyond it
  // are refused as they come.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (m_maxLength > 0 && text.size() > m_maxLength)
      setText(text.left(m_maxLength));
  });
}

void ValidatedEdit::SetCheck(doclib::Check check)
{
  m_settings.Check = check;
  m_settings.UF = check == Check::IE ? QStringLiteral("MA") : QStringLiteral("[Only for Check = ckIe ]");
  const KindSetup setup = SetupOf(check);
  m_maxLength = setup.MaxLength;
  m_lowerCase = setup.LowerCase;
  if (setup.AcceptNull)
    m_settings.AcceptNull = *setup.AcceptNull;
  if (setup.Caracter)
    SetCaracter(*setup.Caracter);
}

void ValidatedEdit::SetCaracter(doclib::Caracters caracter)
{
  m_settings.Caracter = SetupOf(m_settings.Check).Caracter.value_or(caracter);
  Clear();
  if (m_settings.Caracter == Caracters::Real)
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ValidatedEdit::SetCasasDecimais(int casasDecimais)
{
  m_settings.CasasDecimais = std::clamp(casasDecimais, 2, 6);
  if (m_settings.Caracter == Caracters::Real)
    setText(FormatValue(text(), m_settings.CasasDecimais));
}

void ValidatedEdit::Clear()
{
  setText(m_settings.Caracter == Caracters::Real ? FormatValue(QString(), m_settings.CasasDecimais) : QString());
}

void ValidatedEdit::keyPressEvent(QKeyEvent* event)
{
  const QString typed = event->text();
  // Backspace arrives as a key with its character; the filter decides on it
  // as on the others. A printable character must also find room.
  const bool refused = typed.size() == 1 &&
                       (!IsKeyAccepted(typed.front(), m_settings.Caracter, m_settings.Check) ||
                        (typed.front().isPrint() && !RoomFor(typed)));
  if (refused) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

bool ValidatedEdit::RoomFor(const QString& typed) const
{
  return m_maxLength <= 0 || text().size() - selectedText().size() + typed.size() <= m_maxLength;
}

void ValidatedEdit::focusInEvent(QFocusEvent* event)
{
  QLineEdit::focusInEvent(event);
  // The first control of a window is entered as the window opens.
  if (!m_entered)
    EnterField();
}

void ValidatedEdit::changeEvent(QEvent* event)
{
  QLineEdit::changeEvent(event);
  // The focus went elsewhere while the window was not active (a message box
  // was open): the field has been left all the same.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_entered && !hasFocus())
    LeaveField();
}

void ValidatedEdit::EnterField()
{
  m_entered = true;
  if (!HasInformationBackground()) {
    m_colorNoFocus = palette().color(QPalette::Base);
    if (*m_colorNoFocus != m_colorFocus)
      SetBackground(m_colorFocus);
  }
  setText(TextOnFocusGained(text(), m_settings.Check, m_settings.Caracter));
  selectAll();
}

void ValidatedEdit::focusOutEvent(QFocusEvent* event)
{
  QLineEdit::focusOutEvent(event);
  if (MovesBetweenFields(event->reason()) && window()->isVisible())
    LeaveField();
}

void ValidatedEdit::LeaveField()
{
  m_entered = false;
  if (!HasInformationBackground() && m_colorNoFocus && palette().color(QPalette::Base) != *m_colorNoFocus)
    SetBackground(*m_colorNoFocus);
  try {
    setText(TextOnFocusLost(text(), m_settings));
  } catch (const InvalidInputError& error) {
    // The operator stays in the field to correct it, as the value is typed.
    setFocus(Qt::OtherFocusReason);
    ShowErrorBox(this, error.Message());
  }
}

void ValidatedEdit::SetBackground(const QColor& color)
{
  QPalette colours = palette();
  colours.setColor(QPalette::Base, color);
  setPalette(colours);
}

bool ValidatedEdit::HasInformationBackground() const
{
  return palette().color(QPalette::Base) == palette().color(QPalette::ToolTipBase);
}

}  // namespace quitanza::app
