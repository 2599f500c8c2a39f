#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace quitanza::report {

// Asks for the text to find and how; starts with the text last entered in
// any preview.
class FindDialog : public QDialog {
  Q_OBJECT
public:
  explicit FindDialog(QWidget* parent = nullptr);

  QString Text() const;
  bool FromBeginning() const;
  bool CaseSensitive() const;
  void accept() override;

private:
  QLineEdit* m_text;
  QCheckBox* m_fromBeginning;
  QCheckBox* m_caseSensitive;
};

}  // namespace quitanza::report
