#pragma once

#include <QString>

// The CUPS PDF printer ./test starts (scripts/print-queue.sh): its queue and
// the folder its jobs land in, empty when there is none (not root).
QString PrintQueue();
QString PrintOutputFolder();

// Removes the PDFs of earlier jobs.
void ClearPrintedPdfs();

// The PDF of the job just sent, once the queue has finished it: the spooler
// works on its own, so it is waited for (two minutes at most, for a loaded
// machine). Empty, with a test failure, when nothing came.
QString WaitForPrintedPdf();
