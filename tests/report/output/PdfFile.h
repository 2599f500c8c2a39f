#pragma once

#include <QByteArray>
#include <QList>

// Reading back the PDF files the export writes.

// The page content streams in file order, inflated when deflated.
QList<QByteArray> PdfPageContents(const QByteArray& file);

// The bytes of object N from "N 0 obj" up to its "endobj".
QByteArray PdfObject(const QByteArray& file, int number);
