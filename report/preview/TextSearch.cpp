#include "report/preview/TextSearch.h"

#include "platform/graphics/RecordingCanvas.h"
#include "report/model/DrawPage.h"
#include "report/model/PageSource.h"

namespace quitanza::report {

using namespace platform;

TextSearch& TextSearch::Global()
{
  static TextSearch search;
  return search;
}

void TextSearch::Clear()
{
  m_text.clear();
  m_found = false;
  m_foundPage = -1;
  m_foundRun = -1;
  m_foundRect = {};
  m_foundText.clear();
  m_recordedSource = nullptr;
  m_recordedPage = -1;
  m_recordedRuns.clear();
}

void TextSearch::Start(const QString& text, bool caseSensitive)
{
  m_text = text;
  m_caseSensitive = caseSensitive;
  m_found = false;
  m_foundPage = -1;
  m_foundRun = -1;
  m_foundRect = {};
  m_foundText.clear();
}

const std::vector<TextSearch::Run>& TextSearch::RunsOf(PageSource& pages, int page)
{
  if (m_recordedSource != &pages || m_recordedPage != page) {
    RecordingCanvas canvas;
    DrawPage(pages, page, canvas, 1, 1, 0, 0);
    canvas.Finish();
    m_recordedRuns.clear();
    for (const RecordingCanvas::TextRun& run : canvas.TextRuns()) {
      const Rect& b = run.Bounds;
      m_recordedRuns.push_back({run.Text, QRect(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1))});
    }
    m_recordedSource = &pages;
    m_recordedPage = page;
  }
  return m_recordedRuns;
}

bool TextSearch::SearchPages(PageSource& pages, int startPage)
{
  if (m_text.isEmpty())
    return false;
  const Qt::CaseSensitivity sensitivity = m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (int page = std::max(0, startPage); page < pages.Count(); ++page) {
    const std::vector<Run>& runs = RunsOf(pages, page);
    const int first = page == m_foundPage ? m_foundRun + 1 : 0;
    for (int i = first; i < static_cast<int>(runs.size()); ++i) {
      if (runs[static_cast<std::size_t>(i)].Text.contains(m_text, sensitivity)) {
        m_found = true;
        m_foundPage = page;
        m_foundRun = i;
        m_foundRect = runs[static_cast<std::size_t>(i)].Bounds;
        m_foundText = runs[static_cast<std::size_t>(i)].Text;
        return true;
      }
    }
  }
  m_found = false;
  return false;
}

}  // namespace quitanza::report
