#pragma once

#include <QRect>
#include <QString>

#include <vector>

namespace quitanza::report {

class PageSource;

// Finding text on prepared pages. Every text run a page draws is one
// searchable record with its bounds, in drawing order; a match is the first
// record after the last match that contains the text. The state is shared by
// every preview, as the last search is the operator's, not a window's.
class TextSearch {
public:
  static TextSearch& Global();

  // Forgets the text, the match and the recorded page.
  void Clear();
  // A new search: the text, its case rule, and no match yet.
  void Start(const QString& text, bool caseSensitive);
  // Searches from page `startPage` (0-based) on; on the page of the last
  // match it goes on after that match. True when something was found.
  bool SearchPages(PageSource& pages, int startPage);

  bool Found() const { return m_found; }
  int FoundPage() const { return m_foundPage; }
  // The matching run's bounds in report pixels of its page.
  QRect FoundRect() const { return m_foundRect; }
  // The whole text run the match is in.
  const QString& FoundText() const { return m_foundText; }
  const QString& Text() const { return m_text; }
  bool CaseSensitive() const { return m_caseSensitive; }

private:
  struct Run {
    QString Text;
    QRect Bounds;
  };
  // The page's text runs; the last page searched stays recorded, so that
  // searching it again does not draw it again.
  const std::vector<Run>& RunsOf(PageSource& pages, int page);

  QString m_text;
  bool m_caseSensitive = false;
  bool m_found = false;
  int m_foundPage = -1;
  int m_foundRun = -1;
  QRect m_foundRect;
  QString m_foundText;
  const PageSource* m_recordedSource = nullptr;
  int m_recordedPage = -1;
  std::vector<Run> m_recordedRuns;
};

}  // namespace quitanza::report
