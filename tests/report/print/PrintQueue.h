#pragma once

#include <QRect>
#include <QString>

class QImage;

// The CUPS PDF printer ./test starts (scripts/print-queue.sh): its queue and
// the folder its jobs land in, empty when there is none (not root).
QString PrintQueue();
QString PrintOutputFolder();

// The dark dots of a rendered page within `area`: how many, and the box
// around them. Glyphs reach the printer's PDF as outlines, so printed pages
// are checked by what they show rather than by their text.
struct Ink {
  QRect Box;
  qint64 Dots = 0;
};
Ink InkIn(const QImage& page, const QRect& area);

// Removes the PDFs of earlier jobs.
void ClearPrintedPdfs();

// The PDF of the job just sent, once the queue has finished it: the spooler
// works on its own, so it is waited for (two minutes at most, for a loaded
// machine). Empty, with a test failure, when nothing came.
QString WaitForPrintedPdf();
