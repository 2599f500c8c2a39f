#pragma once

#include <QString>

class QIODevice;

namespace quitanza::report {

class PDFExport;
class PageSource;

// The settings a command line gives a PDF export; the rest keep the export
// filter's defaults, which are also the receipts' stored settings.
struct PDFFileSettings {
  QString PageNumbers;    // "1,3,5-12"; empty: every page
  QString UserPassword;   // either password protects the document
  QString OwnerPassword;
  bool Compressed = true;
  bool EmbeddedFonts = false;
};

// Writes the selected prepared pages into fileName, without dialog or
// progress window. The file is replaced only by a complete document. Throws
// ReportError, FileError (the file cannot be written) or std::invalid_argument
// (a bad page selection) with a message fit for the user.
void ExportPDFFile(PageSource& pages, const QString& fileName, const PDFFileSettings& settings);

// The same through a filter of the program's own, whose other settings
// (document information, quality, viewer preferences) stay as they are.
void ExportPDFFile(PDFExport& filter, PageSource& pages, const QString& fileName,
                   const PDFFileSettings& settings);

// The same into an open device the caller owns, for a file that must not
// take its place until the caller says so.
void ExportPDFStream(PDFExport& filter, PageSource& pages, QIODevice& stream,
                     const PDFFileSettings& settings);

}  // namespace quitanza::report
