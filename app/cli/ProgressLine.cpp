#include "app/cli/ProgressLine.h"

#include <unistd.h>

namespace quitanza::app {

ProgressLine::~ProgressLine()
{
  if (m_started) {
    m_err << u'\n';
    m_err.flush();
  }
}

bool ProgressLine::StandardErrorIsTerminal()
{
  return ::isatty(STDERR_FILENO) == 1;
}

void ProgressLine::Show(int done, int total)
{
  if (!m_shown)
    return;
  m_started = true;
  m_err << u'\r' << m_label << QStringLiteral(": %1 de %2").arg(done).arg(total);
  m_err.flush();
}

}  // namespace quitanza::app
