#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <map>
#include <vector>

namespace quitanza::report {

class PDFEncryption;
class PDFWriter;

// A hyperlink of an exported page, written as a link annotation at the end.
struct PDFAnnot {
  int Number = 0;       // object number, reserved when the link was met
  QByteArray Rect;      // "x0 y0 x1 y1" in points
  QString Hyperlink;    // target of an external link; empty for an internal one
  int DestPage = -1;    // internal link: target page index
  int DestY = 0;        // internal link: height on the target page, points
};

// The six texts of the information dictionary.
struct PDFDocumentInfo {
  QString Title, Author, Subject, Keywords, Creator, Producer;
};

struct PDFViewerPreferences {
  bool DisplayDocTitle = false;
  bool HideToolbar = false, HideMenubar = false, HideWindowUI = false, FitWindow = false, CenterWindow = false;
  bool PrintScaling = false;
};

// Object 1: /Kids lists the page objects in page order.
void WritePDFPageTree(PDFWriter& writer, const QList<int>& pageObjects);

// The information dictionary; its strings encrypted when protected. Returns its number.
int WritePDFInfo(PDFWriter& writer, const PDFDocumentInfo& info, const QDateTime& time,
                 const PDFEncryption* encryption);

// Link annotations under their reserved numbers. pageObjects maps exported
// page indexes to their page objects; a link to a page that was not exported
// keeps its rectangle but has no destination.
void WritePDFLinks(PDFWriter& writer, const std::vector<PDFAnnot>& links,
                   const std::map<int, int>& pageObjects, const PDFEncryption* encryption);

// The catalog. Returns its number.
int WritePDFCatalog(PDFWriter& writer, bool outline, const PDFViewerPreferences& preferences);

}  // namespace quitanza::report
