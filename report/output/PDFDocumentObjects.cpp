#include "report/output/PDFDocumentObjects.h"

#include "report/output/PDFEncryption.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStrings.h"
#include "report/output/PDFWriter.h"

namespace quitanza::report {

namespace {

QByteArray ObjectLine(int number) { return PdfInt(number) + " 0 obj\r\n"; }

}  // namespace

void WritePDFPageTree(PDFWriter& writer, const QList<int>& pageObjects) {
  writer.UpdateObject(1);
  QByteArray text = "1 0 obj\r\n<<\r\n/Type /Pages\r\n/Kids [";
  for (int page : pageObjects)
    text += PdfInt(page) + " 0 R ";
  text += "]\r\n/Count " + PdfInt(pageObjects.size()) + "\r\n>>\r\nendobj\r\n";
  writer.Write(text);
}

int WritePDFInfo(PDFWriter& writer, const PDFDocumentInfo& info, const QDateTime& time,
                 const PDFEncryption* encryption) {
  const int number = writer.NewObject();
  const auto text = [&](const QString& value) {
    return encryption ? encryption->EncryptText(value, number) : PdfTextHexString(value);
  };
  const QByteArray date = encryption ? encryption->EncryptString(PdfDateText(time), number)
                                     : '(' + PdfDateText(time) + ')';
  writer.Write(ObjectLine(number) + "<<\r\n/Title " + text(info.Title) + "\r\n/Author " + text(info.Author) +
               "\r\n/Subject " + text(info.Subject) + "\r\n/Keywords " + text(info.Keywords) + "\r\n/Creator " +
               text(info.Creator) + "\r\n/Producer " + text(info.Producer) + "\r\n/CreationDate " + date +
               "\r\n/ModDate " + date + "\r\n>>\r\nendobj\r\n");
  return number;
}

void WritePDFLinks(PDFWriter& writer, const std::vector<PDFAnnot>& links,
                   const std::map<int, int>& pageObjects, const PDFEncryption* encryption) {
  for (const PDFAnnot& link : links) {
    writer.UpdateObject(link.Number);
    QByteArray text = ObjectLine(link.Number) + "<<\r\n/Type /Annot\r\n/Subtype /Link\r\n/Rect [" + link.Rect +
                      "]\r\n";
    if (!link.Hyperlink.isEmpty()) {
      const QByteArray target = encryption ? encryption->EncryptString(PdfUriBytes(link.Hyperlink), link.Number)
                                           : PdfUriString(link.Hyperlink);
      text += "/BS << /W 0 >>\r\n/A <<\r\n/URI " + target + "\r\n/Type /Action\r\n/S /URI\r\n>>\r\n";
    } else {
      text += "/Border [16 16 0]\r\n";
      const auto page = pageObjects.find(link.DestPage);
      if (page != pageObjects.end())
        text += "/Dest [" + PdfInt(page->second) + " 0 R /XYZ null " + PdfInt(link.DestY) + " null]\r\n";
    }
    text += ">>\r\nendobj\r\n";
    writer.Write(text);
  }
}

int WritePDFCatalog(PDFWriter& writer, bool outline, const PDFViewerPreferences& preferences) {
  const int number = writer.NewObject();
  QByteArray text = ObjectLine(number) + "<<\r\n/Type /Catalog\r\n/Pages 1 0 R\r\n";
  text += outline ? "/PageMode /UseOutlines\r\n" : "/PageMode /UseNone\r\n";
  text += "/ViewerPreferences <<\r\n";
  const std::pair<bool, const char*> flags[] = {{preferences.DisplayDocTitle, "/DisplayDocTitle true\r\n"},
                                                {preferences.HideToolbar, "/HideToolbar true\r\n"},
                                                {preferences.HideMenubar, "/HideMenubar true\r\n"},
                                                {preferences.HideWindowUI, "/HideWindowUI true\r\n"},
                                                {preferences.FitWindow, "/FitWindow true\r\n"},
                                                {preferences.CenterWindow, "/CenterWindow true\r\n"},
                                                {!preferences.PrintScaling, "/PrintScaling /None\r\n"}};
  for (const auto& [set, line] : flags) {
    if (set)
      text += line;
  }
  text += ">>\r\n>>\r\nendobj\r\n";
  writer.Write(text);
  return number;
}

}  // namespace quitanza::report
