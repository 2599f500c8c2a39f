#include "report/output/ExportPDFFile.h"

#include "report/output/ExportPDF.h"
#include "report/output/PreviewPagesExport.h"

namespace quitanza::report {

namespace {

// Passwords count as bytes of the ANSI code page; a character outside it
// would silently become another password.
QByteArray PasswordBytes(const QString& password) {
  for (QChar ch : password) {
    if (ch.unicode() > 0xFF)
      throw ReportError(QStringLiteral(u"A senha contém o caractere \"%1\", que uma senha de PDF não pode conter.")
                          .arg(ch));
  }
  return password.toLatin1();
}

void ApplySettings(PDFExport& filter, const PDFFileSettings& settings) {
  filter.ShowDialog = false;
  filter.ShowProgress = false;
  filter.PageNumbers = settings.PageNumbers;
  filter.UserPassword = PasswordBytes(settings.UserPassword);
  filter.OwnerPassword = PasswordBytes(settings.OwnerPassword);
  filter.Compressed = settings.Compressed;
  filter.EmbeddedFonts = settings.EmbeddedFonts;
}

}  // namespace

void ExportPDFFile(PageSource& pages, const QString& fileName, const PDFFileSettings& settings) {
  PDFExport filter;
  ExportPDFFile(filter, pages, fileName, settings);
}

void ExportPDFFile(PDFExport& filter, PageSource& pages, const QString& fileName,
                   const PDFFileSettings& settings) {
  if (fileName.isEmpty())
    throw ReportError(QStringLiteral(u"Informe o nome do arquivo PDF."));
  ApplySettings(filter, settings);
  filter.FileName = fileName;
  ExportPreviewPages(pages, &filter, ExportContext{});
}

void ExportPDFStream(PDFExport& filter, PageSource& pages, QIODevice& stream,
                     const PDFFileSettings& settings) {
  ApplySettings(filter, settings);
  // The filter outlives this export: it must not keep the caller's device.
  struct StreamLease {
    PDFExport& Filter;
    ~StreamLease() { Filter.Stream = nullptr; }
  } lease{filter};
  filter.Stream = &stream;
  ExportPreviewPages(pages, &filter, ExportContext{});
}

}  // namespace quitanza::report
