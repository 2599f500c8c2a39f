#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

namespace quitanza::app {

class CommandLineUserInterface;
class DataModule;

// --pdf ARQ and --senha SENHA of the commands that print receipts: the PDF
// export in the preview's place, through the data module's export filter.
QList<QCommandLineOption> PdfPreviewOptions();
bool PdfPreviewRequested(const QCommandLineParser& parser);

// Sets the preview up as the options say: the PDF export when --pdf is given,
// nothing otherwise. --senha without --pdf is a usage error; a PDF that would
// replace one of the data folder's files is refused.
void SetUpPdfPreview(CommandLineUserInterface& ui, DataModule& dm, const QCommandLineParser& parser);

}  // namespace quitanza::app
