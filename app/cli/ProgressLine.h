#pragma once

#include <QString>
#include <QTextStream>

namespace quitanza::app {

// A line on standard error that counts the work of a long run as it goes
// ("Recibos: 120 de 1000"), rewritten in place. Shown on a terminal only:
// a script reading standard error gets no carriage returns mixed into its
// messages.
class ProgressLine {
public:
  ProgressLine(QTextStream& err, QString label, bool shown) : m_err(err), m_label(std::move(label)), m_shown(shown) {}
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  // Ends the line, so that what follows starts on a line of its own.
  ~ProgressLine();

  static bool StandardErrorIsTerminal();

  void Show(int done, int total);

private:
  QTextStream& m_err;
  QString m_label;
  bool m_shown;
  bool m_started = false;
};

}  // namespace quitanza::app
