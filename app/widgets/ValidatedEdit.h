#pragma once

#include "doclib/EditRules.h"

#include <QColor>
#include <QLineEdit>

#include <optional>

namespace quitanza::app {

// The single-line field of every datum with a Brazilian format. The window
// names the kind of datum (SetCheck) and the characters that may be typed
// (SetCaracter); the field refuses other keys, shows the bare value while it
// has the focus, and when it is left checks and formats the value. A refused
// value keeps the focus and is shown in the standard error box.
class ValidatedEdit : public QLineEdit {
public:
  explicit ValidatedEdit(QWidget* parent = nullptr);

  // Also sets the length, characters, letter case and whether the field may
  // stay empty that the kind needs; the text is cleared.
  void SetCheck(doclib::Check check);
  doclib::Check Check() const { return m_settings.Check; }
  // Kinds that need particular characters keep them. Clears the text; an
  // amount field (Real) then shows the zero amount and aligns right.
  void SetCaracter(doclib::Caracters caracter);
  doclib::Caracters Caracter() const { return m_settings.Caracter; }
  void SetUF(const QString& uf) { m_settings.UF = uf; }
  QString UF() const { return m_settings.UF; }
  void SetAcceptNull(bool acceptNull) { m_settings.AcceptNull = acceptNull; }
  bool AcceptNull() const { return m_settings.AcceptNull; }
  // 2 to 6 decimals for an amount; an amount field is written again at once.
  void SetCasasDecimais(int casasDecimais);
  int CasasDecimais() const { return m_settings.CasasDecimais; }
  // The most characters the operator can type or paste; 0 for no limit. The
  // text the field writes when it is left may be longer (its punctuation).
  void SetMaxLength(int maxLength) { m_maxLength = maxLength; }
  int MaxLength() const { return m_maxLength; }
  void SetColorFocus(const QColor& color) { m_colorFocus = color; }
  QColor ColorFocus() const { return m_colorFocus; }

  // Empties the field; an amount field shows the zero amount ("0,00").
  void Clear();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void SetBackground(const QColor& color);
  bool HasInformationBackground() const;
  void EnterField();
  void LeaveField();
  bool RoomFor(const QString& typed) const;

  doclib::EditSettings m_settings;
  QColor m_colorFocus{166, 202, 240};
  std::optional<QColor> m_colorNoFocus;
  bool m_lowerCase = false;
  int m_maxLength = 0;
  // Between entering the field and leaving it, including the times its
  // window is not active.
  bool m_entered = false;
};

}  // namespace quitanza::app
