#include "report/output/ExportPDF.h"

#include "platform/files/FileReplacement.h"
#include "report/model/Class.h"
#include "report/output/PDFColors.h"
#include "report/output/PDFDocumentObjects.h"
#include "report/output/PDFFileId.h"
#include "report/output/PDFFontObjects.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFMemoText.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFPageContent.h"
#include "report/output/PDFViewPainter.h"
#include "report/output/PDFWriter.h"
#include "report/text/Placement.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>

#include <map>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr double PointsPerMillimetre = 2.8346456692913384;
// The small shift of every position: the margins' millimetres x 0.05 points.
constexpr double MarginShift = 0.05;

bool HasTagsToRender(const CustomMemoView& memo, bool htmlTags) {
  return memo.AllowHTMLTags && htmlTags && memo.Text().contains(u'<');
}

}  // namespace

// The state of one export, from Start to the end of Finish.
struct PDFExport::Run {
  // A file is written beside its final name and replaces it only when the
  // document is complete, so a failed export never leaves a cut file behind.
  std::unique_ptr<FileReplacement> file;
  report::PDFWriter writer;
  PDFFonts fonts;
  std::optional<report::PDFEncryption> encryption;
  // Made once the encryption is known.
  std::optional<PDFImageObjects> images;
  bool embeddedFonts;
  QByteArray fileId;
  QList<int> pageObjects;
  std::map<int, int> pageObjectByIndex;
  QList<double> pageHeights;
  std::vector<PDFAnnot> links;
  QByteArray pageLinks;
  PDFPageContent content;

  Run(std::unique_ptr<FileReplacement> output, QIODevice& device) : file(std::move(output)), writer(device) {}

  const report::PDFEncryption* Protection() const { return encryption ? &*encryption : nullptr; }
};

PDFExport::PDFExport() : ObjectPainter(PaintViewOnBitmap) {}
PDFExport::~PDFExport() = default;

ModalResult PDFExport::ShowModal() {
  if (Title.isEmpty() && Report)
    Title = Report->ReportOptions.Name;
  if (Stream)
    return ModalResult::Ok;
  Outline = Report ? Report->PreviewOptions.OutlineVisible : true;
  return OnShowDialog ? OnShowDialog(*this) : ModalResult::Ok;
}

QString PDFExport::OutputFileName() const {
  if (SlaveExport) {
    const QString reportFile = Report ? Report->FileName : QString();
    if (!reportFile.isEmpty())
      return QDir(QDir::tempPath()).filePath(QFileInfo(reportFile).completeBaseName() + DefaultExt());
    QTemporaryFile temporary(QDir(QDir::tempPath()).filePath(QStringLiteral("XXXXXX") + DefaultExt()));
    temporary.setAutoRemove(false);
    if (!temporary.open())
      throw ReportError(QStringLiteral(u"Não foi possível criar um arquivo temporário: %1").arg(temporary.errorString()));
    return temporary.fileName();
  }
  if (!FileName.isEmpty() && !DefaultPath.isEmpty() && QFileInfo(FileName).fileName() == FileName)
    return QDir(DefaultPath).filePath(FileName);
  return FileName;
}

bool PDFExport::Start() {
  const QString fileName = OutputFileName();
  if (fileName.isEmpty() && !Stream)
    return false;
  std::unique_ptr<FileReplacement> file;
  QIODevice* device = Stream;
  if (!device) {
    file = std::make_unique<FileReplacement>(fileName);
    device = &file->Device();
  }
  auto run = std::make_unique<Run>(std::move(file), *device);
  run->fileId = NewPdfFileId();
  run->embeddedFonts = EmbeddedFonts;
  if (!OwnerPassword.isEmpty() || !UserPassword.isEmpty()) {
    run->encryption.emplace(UserPassword, OwnerPassword, PdfPermissionValue(ProtectionFlags), run->fileId);
    run->embeddedFonts = EmbedFontsIfProtected;
  }
  run->images.emplace(run->writer, m_encoder, run->Protection());
  run->writer.WriteLine("%PDF-1.5");
  run->writer.ReserveObject();
  m_run = std::move(run);
  return true;
}

void PDFExport::StartPage(report::ReportPage& page, int) {
  Run& run = *m_run;
  PDFPageGeometry& geometry = run.content.Geometry;
  geometry.Width = pt(double(page.Width()));
  geometry.Height = pt(double(page.Height()));
  geometry.MarginLeft = double(page.LeftMargin) * MarginShift;
  geometry.MarginTop = double(page.TopMargin) * MarginShift;
  run.pageHeights.append(geometry.Height);
  run.content.Data.clear();
  const platform::Color color = ResolveColor(page.BackPicture().Color);
  if (color == clNone)
    return;
  const double l = double(page.LeftMargin) * PointsPerMillimetre;
  const double b = double(page.BottomMargin) * PointsPerMillimetre;
  const double r = geometry.Width - double(page.RightMargin) * PointsPerMillimetre;
  const double t = geometry.Height - double(page.TopMargin) * PointsPerMillimetre;
  const QByteArray c = PdfPageColorText(color);
  run.content.Text("0.00 w\r\n").Text(c).Text(" RG\r\n").Text(c).Text(" rg\r\n");
  run.content.Numbers({l, b}).Text("m\r\n").Numbers({r, b}).Text("l\r\n").Numbers({r, t}).Text("l\r\n");
  run.content.Numbers({l, t}).Text("l\r\nB\r\n");
}

void PDFExport::ExportObject(report::Component& object) {
  auto* view = dynamic_cast<report::View*>(&object);
  if (!view || !(view->Printable || ExportNotPrintable))
    return;
  if (!view->URL.isEmpty())
    AddLink(*view);
  WriteObject(*view);
}

void PDFExport::WriteObject(report::View& view) {
  PDFPageContent& content = m_run->content;
  if (auto* memo = dynamic_cast<CustomMemoView*>(&view)) {
    const bool vectorBrush = memo->BrushStyle == BrushStyle::Solid || memo->BrushStyle == BrushStyle::Clear;
    if (vectorBrush && !HasTagsToRender(*memo, HTMLTags)) {
      WritePDFMemoText(content, *memo, m_run->fonts);
      return;
    }
  } else if (auto* line = dynamic_cast<CustomLineView*>(&view)) {
    content.WriteLine(*line);
    return;
  } else if (auto* shape = dynamic_cast<ShapeView*>(&view)) {
    content.WriteShape(*shape);
    return;
  }
  if (view.Name() == QLatin1String("_pagebackground") && !Background)
    return;
  if (!ObjectPainter)
    throw ReportError(QStringLiteral("The PDF export has no way to draw \"%1\" as an image").arg(view.Name()));
  WritePDFImage(content, view, {PrintOptimized, Quality, ObjectPainter}, *m_run->images);
}

void PDFExport::AddLink(const report::View& view) {
  Run& run = *m_run;
  const PDFPageGeometry& g = run.content.Geometry;
  PDFAnnot link;
  if (view.URL.startsWith(u'#')) {
    const std::optional<AnchorPosition> anchor = FindAnchor ? FindAnchor(view.URL.mid(1)) : std::nullopt;
    if (!anchor)
      return;
    link.DestPage = anchor->Page;
    link.DestY = report::Round(g.Y(anchor->Top));
  } else if (view.URL.startsWith(u'@')) {
    link.DestPage = view.URL.mid(1).toInt() - 1;
    link.DestY = report::Round(g.Y(0));
  } else {
    link.Hyperlink = view.URL;
  }
  const double l = double(view.AbsLeft()), t = double(view.AbsTop());
  link.Rect = PdfFloat(g.X(l)) + ' ' + PdfFloat(g.Y(t + double(view.Height()))) + ' ' +
              PdfFloat(g.X(l + double(view.Width()))) + ' ' + PdfFloat(g.Y(t));
  link.Number = run.writer.ReserveObject();
  run.pageLinks += PdfInt(link.Number) + " 0 R\r\n";
  run.links.push_back(std::move(link));
}

void PDFExport::FinishPage(report::ReportPage&, int index) {
  Run& run = *m_run;
  report::PDFWriter& writer = run.writer;
  const QByteArrayView data(run.content.Data.data(), qsizetype(run.content.Data.size()));
  const int contentObject = writer.NewObject();
  const QByteArray encoded = m_encoder.Encode(data, Compressed, run.Protection(), contentObject);
  QByteArray text = PdfInt(contentObject) + " 0 obj\r\n<< ";
  if (Compressed)
    text += "/Filter /FlateDecode /Length " + PdfInt(encoded.size()) + " /Length1 " + PdfInt(data.size());
  else
    text += "/Length " + PdfInt(data.size());
  text += " >>\r\nstream\r\n";
  writer.Write(text);
  writer.Write(encoded);
  writer.Write(Compressed ? "\r\nendstream\r\nendobj\r\n" : "endstream\r\nendobj\r\n");
  run.content.Data.clear();

  run.fonts.Reserve(writer);
  const int pageObject = writer.NewObject();
  run.pageObjects.append(pageObject);
  run.pageObjectByIndex[index] = pageObject;
  const PDFPageGeometry& g = run.content.Geometry;
  text = PdfInt(pageObject) + " 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 1 0 R\r\n/MediaBox [0 0 " + PdfFloat(g.Width) +
         ' ' + PdfFloat(g.Height) + " ]\r\n";
  if (!run.pageLinks.isEmpty()) {
    text += "/Annots [\r\n" + run.pageLinks + "]\r\n";
    run.pageLinks.clear();
  }
  text += "/Resources <<\r\n/Font << " + run.fonts.ResourceEntries() + ">>\r\n/XObject <<\r\n" +
          run.images->TakePageResources() + ">>\r\n/ProcSet [/PDF /Text /ImageC ]\r\n>>\r\n/Contents " +
          PdfInt(contentObject) + " 0 R\r\n>>\r\nendobj\r\n";
  writer.Write(text);
}

void PDFExport::Finish() {
  // The run ends here whatever happens; an error leaves no file behind.
  if (!m_run)
    return;
  const std::unique_ptr<Run> run = std::move(m_run);
  report::PDFWriter& writer = run->writer;
  const report::PDFEncryption* protection = run->Protection();
  run->fonts.Write({writer, m_encoder, Compressed, run->embeddedFonts, protection});
  WritePDFPageTree(writer, run->pageObjects);
  const int info = WritePDFInfo(writer, {Title, Author, Subject, Keywords, Creator, Producer},
                                QDateTime::currentDateTime(), protection);
  WritePDFLinks(writer, run->links, run->pageObjectByIndex, protection);
  const int catalog = WritePDFCatalog(
      writer, Outline,
      {!Title.isEmpty(), HideToolbar, HideMenubar, HideWindowUI, FitWindow, CenterWindow, PrintScaling});
  const qint64 xref = writer.WriteXref();
  writer.WriteTrailer(catalog, info, run->fileId, protection ? protection->EncryptDictionary() : QByteArray(),
                      xref);
  if (!run->file)
    return;
  run->file->Commit();
  if (OpenAfterExport)
    QDesktopServices::openUrl(QUrl::fromLocalFile(run->file->Path()));
}

}  // namespace quitanza::report
