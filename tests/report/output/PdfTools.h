#pragma once

#include <QString>
#include <QStringList>

// Runs the command-line PDF tools (qpdf, poppler's utilities) that check the
// files we write from the outside.
struct ToolResult {
  int exitCode;
  QString output;  // standard output and error together
};

// A missing or hanging tool gives exit code -1 and says why in the output.
ToolResult RunTool(const QString& program, const QStringList& arguments);

class QImage;

// Page `page` (1-based) of a PDF file rendered by pdftoppm at `dpi`; a null
// image (and a test failure) when the tool fails.
QImage RenderPdfPage(const QString& path, int page, int dpi);
