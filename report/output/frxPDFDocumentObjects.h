#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <map>
#include <vector>

class TfrxPDFEncryption;
class TfrxPDFWriter;

// A hyperlink of an exported page, written as a link annotation at the end.
struct TfrxPDFAnnot {
  int Number = 0;       // object number, reserved when the link was met
  QByteArray Rect;      // "x0 y0 x1 y1" in points
  QString Hyperlink;    // target of an external link; empty for an internal one
  int DestPage = -1;    // internal link: target page index
  int DestY = 0;        // internal link: height on the target page, points
};

// The six texts of the information dictionary.
struct TfrxPDFDocumentInfo {
  QString Title, Author, Subject, Keywords, Creator, Producer;
};

struct TfrxPDFViewerPreferences {
  bool DisplayDocTitle = false;
  bool HideToolbar = false, HideMenubar = false, HideWindowUI = false, FitWindow = false, CenterWindow = false;
  bool PrintScaling = false;
};

// Object 1: /Kids lists the page objects in page order.
void WritePDFPageTree(TfrxPDFWriter& writer, const QList<int>& pageObjects);

// The information dictionary; its strings encrypted when protected. Returns its number.
int WritePDFInfo(TfrxPDFWriter& writer, const TfrxPDFDocumentInfo& info, const QDateTime& time,
                 const TfrxPDFEncryption* encryption);

// Link annotations under their reserved numbers. pageObjects maps exported
// page indexes to their page objects; a link to a page that was not exported
// keeps its rectangle but has no destination.
void WritePDFLinks(TfrxPDFWriter& writer, const std::vector<TfrxPDFAnnot>& links,
                   const std::map<int, int>& pageObjects, const TfrxPDFEncryption* encryption);

// The catalog. Returns its number.
int WritePDFCatalog(TfrxPDFWriter& writer, bool outline, const TfrxPDFViewerPreferences& preferences);
