#pragma once

#include "report/output/frxExportFilter.h"
#include "report/output/frxPDFEncryption.h"
#include "report/output/frxPDFImage.h"
#include "report/output/frxPDFStreamEncoder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class TfrxView;

// Where a named anchor of the prepared pages lies: page index and top in pixels.
struct TfrxAnchorPosition {
  int Page = 0;
  double Top = 0;
};

// Writes prepared pages into a PDF 1.5 file in one pass: per page a content
// stream (vector paths, text in composite fonts, JPEG images) and a page
// object; at the end the fonts, page tree, information, links, catalog,
// cross-reference table and trailer. Protected with the standard security
// handler (revision 3, 128-bit RC4) when a password is set.
class TfrxPDFExport : public TfrxCustomExportFilter {
public:
  TfrxPDFExport();
  ~TfrxPDFExport() override;

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
  TfrxPDFEncBits ProtectionFlags = AllPDFEncBits;
  bool HideToolbar = false;
  bool HideMenubar = false;
  bool HideWindowUI = false;
  bool FitWindow = false;
  bool CenterWindow = false;
  bool PrintScaling = false;

  // The settings dialog and the save dialog; they write the choices back into
  // the settings and return mrOk or mrCancel. Unset: the settings are taken as
  // they are.
  std::function<int(TfrxPDFExport&)> OnShowDialog;
  // Draws views that have no vector form (pictures, tagged memos, hatched
  // brushes, other classes) for their image: by default the views' own
  // drawing, which needs a QGuiApplication as soon as it draws text.
  TfrxViewPainter ObjectPainter;
  // Looks up the anchor of a "#name" link. Unset or not found: no link.
  std::function<std::optional<TfrxAnchorPosition>(const QString& name)> FindAnchor;

  QString GetDescription() const override { return QStringLiteral("PDF file"); }
  static QString FileFilter() { return QStringLiteral("Adobe PDF file (*.pdf)|*.pdf"); }
  static QString DefaultExt() { return QStringLiteral(".pdf"); }

  int ShowModal() override;
  bool Start() override;
  void StartPage(TfrxReportPage& page, int index) override;
  void ExportObject(TfrxComponent& object) override;
  void FinishPage(TfrxReportPage& page, int index) override;
  void Finish() override;

private:
  struct Run;

  QString OutputFileName() const;
  void AddLink(const TfrxView& view);
  void WriteObject(TfrxView& view);

  std::unique_ptr<Run> FRun;
  // Setting up deflate costs more than deflating a page; one encoder serves every run.
  TfrxPDFStreamEncoder FEncoder;
};
