#include "report/output/frxExportPDFFile.h"

#include "report/output/frxExportPDF.h"
#include "report/output/frxPreviewPagesExport.h"

namespace {

// Passwords count as bytes of the ANSI code page; a character outside it
// would silently become another password.
QByteArray PasswordBytes(const QString& password) {
  for (QChar ch : password) {
    if (ch.unicode() > 0xFF)
      throw EfrxError(QStringLiteral(u"A senha contém o caractere \"%1\", que uma senha de PDF não pode conter.")
                          .arg(ch));
  }
  return password.toLatin1();
}

void ApplySettings(TfrxPDFExport& filter, const TfrxPDFFileSettings& settings) {
  filter.ShowDialog = false;
  filter.ShowProgress = false;
  filter.PageNumbers = settings.PageNumbers;
  filter.UserPassword = PasswordBytes(settings.UserPassword);
  filter.OwnerPassword = PasswordBytes(settings.OwnerPassword);
  filter.Compressed = settings.Compressed;
  filter.EmbeddedFonts = settings.EmbeddedFonts;
}

}  // namespace

void frxExportPDFFile(TfrxPageSource& pages, const QString& fileName, const TfrxPDFFileSettings& settings) {
  TfrxPDFExport filter;
  frxExportPDFFile(filter, pages, fileName, settings);
}

void frxExportPDFFile(TfrxPDFExport& filter, TfrxPageSource& pages, const QString& fileName,
                      const TfrxPDFFileSettings& settings) {
  if (fileName.isEmpty())
    throw EfrxError(QStringLiteral(u"Informe o nome do arquivo PDF."));
  ApplySettings(filter, settings);
  filter.FileName = fileName;
  frxExportPreviewPages(pages, &filter, TfrxExportContext{});
}

void frxExportPDFStream(TfrxPDFExport& filter, TfrxPageSource& pages, QIODevice& stream,
                        const TfrxPDFFileSettings& settings) {
  ApplySettings(filter, settings);
  // The filter outlives this export: it must not keep the caller's device.
  struct TStreamLease {
    TfrxPDFExport& Filter;
    ~TStreamLease() { Filter.Stream = nullptr; }
  } lease{filter};
  filter.Stream = &stream;
  frxExportPreviewPages(pages, &filter, TfrxExportContext{});
}
