#pragma once

#include <QCoreApplication>
#include <QWidget>

class QLabel;

namespace quitanza::report {

class Report;

// The small window a print shows: "Printing page %d" and Cancel, which sets
// the report's Terminated flag so the run stops at the next page. Borderless
// and centred on the screen; dragged by any point. The window that was
// active is disabled while it shows.
class PrintProgress : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(PrintProgress)

public:
  explicit PrintProgress(Report& report);
  ~PrintProgress() override;

  void ShowPage(int page);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  QLabel* m_message;
  QWidget* m_disabled;
  QPoint m_grab;
};

}  // namespace quitanza::report
