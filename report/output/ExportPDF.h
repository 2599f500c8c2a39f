#pragma once

#include "report/output/ExportFilter.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFImage.h"
#include "report/output/PDFStreamEncoder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace quitanza::report {

class View;

// Where a named anchor of the prepared pages lies: page index and top in pixels.
struct AnchorPosition {
  int Page = 0;
  double Top = 0;
};

// Writes prepared pages into a PDF 1.5 file in one pass: per page a content
// stream (vector paths, text in composite fonts, JPEG images) and a page
// object; at the end the fonts, page tree, information, links, catalog,
// cross-reference table and trailer. Protected with the standard security
// handler (revision 3, 128-bit RC4) when a password is set.
class PDFExport : public CustomExportFilter {
public:
  PDFExport();
  ~PDFExport() override;

  bool Compressed = true;
  bool EmbeddedFonts = false;
  bool EmbedFontsIfProtected = true;  // decides instead of EmbeddedFonts when protected
  bool OpenAfterExport = false;
  bool PrintOptimized = false;
  bool Outline = false;
  bool Background = false;
  bool HTMLTags = true;
  int Quality = 95;
  QString Title;
  QString Author = QStringLiteral("Pellwick");
  QString Subject = QStringLiteral("Pellwick PDF export");
  QString Keywords;
  QString Creator;
  QString Producer;
  QByteArray UserPassword;   // bytes as typed, in the ANSI code page
  QByteArray OwnerPassword;
  PDFEncBits ProtectionFlags = AllPDFEncBits;
  bool HideToolbar = false;
  bool HideMenubar = false;
  bool HideWindowUI = false;
  bool FitWindow = false;
  bool CenterWindow = false;
  bool PrintScaling = false;

  // The settings dialog and the save dialog; they write the choices back into
  // the settings and return Ok or Cancel. Unset: the settings are taken as
  // they are.
  std::function<ModalResult(PDFExport&)> OnShowDialog;
  // Draws views that have no vector form (pictures, tagged memos, hatched
  // brushes, other classes) for their image: by default the views' own
  // drawing, which needs a QGuiApplication as soon as it draws text.
  ViewPainter ObjectPainter;
  // Looks up the anchor of a "#name" link. Unset or not found: no link.
  std::function<std::optional<AnchorPosition>(const QString& name)> FindAnchor;

  QString GetDescription() const override { return QStringLiteral("PDF file"); }
  static QString FileFilter() { return QStringLiteral("Adobe PDF file (*.pdf)|*.pdf"); }
  static QString DefaultExt() { return QStringLiteral(".pdf"); }

  ModalResult ShowModal() override;
  bool Start() override;
  void StartPage(report::ReportPage& page, int index) override;
  void ExportObject(report::Component& object) override;
  void FinishPage(report::ReportPage& page, int index) override;
  void Finish() override;

private:
  struct Run;

  QString OutputFileName() const;
  void AddLink(const report::View& view);
  void WriteObject(report::View& view);

  std::unique_ptr<Run> m_run;
  // Setting up deflate costs more than deflating a page; one encoder serves every run.
  PDFStreamEncoder m_encoder;
};

}  // namespace quitanza::report
