#include "report/output/frxExportPDFFile.h"

#include "report/output/frxExportPDF.h"
#include "report/output/frxPreviewPagesExport.h"

namespace {

// Passwords count as bytes of the ANSI code page; a character outside it
// would silently become another password.
QByteArray PasswordBytes(const QString& password) {
  for (QChar ch : password) {
    if (ch.unicode() > 0xFF)
      throw EfrxError(QStringLiteral("The password holds the character \"%1\", which a PDF password cannot hold")
                          .arg(ch));
  }
  return password.toLatin1();
}

}  // namespace

void frxExportPDFFile(TfrxPageSource& pages, const QString& fileName, const TfrxPDFFileSettings& settings) {
  TfrxPDFExport filter;
  frxExportPDFFile(filter, pages, fileName, settings);
}

void frxExportPDFFile(TfrxPDFExport& filter, TfrxPageSource& pages, const QString& fileName,
                      const TfrxPDFFileSettings& settings) {
  if (fileName.isEmpty())
    throw EfrxError(QStringLiteral("No file name given for the PDF file"));
  filter.ShowDialog = false;
  filter.ShowProgress = false;
  filter.FileName = fileName;
  filter.PageNumbers = settings.PageNumbers;
  filter.UserPassword = PasswordBytes(settings.UserPassword);
  filter.OwnerPassword = PasswordBytes(settings.OwnerPassword);
  filter.Compressed = settings.Compressed;
  filter.EmbeddedFonts = settings.EmbeddedFonts;
  frxExportPreviewPages(pages, &filter, TfrxExportContext{});
}
