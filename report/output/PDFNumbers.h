#pragma once

#include <QByteArray>

#include <string>

namespace quitanza::report {

// Numbers as PDF files carry them, never in the machine locale's form.

// Fixed point with exactly two decimals, "." as separator, rounded half away
// from zero (1 -> "1.00", 0.375 -> "0.38", -2 -> "-2.00"). Throws
// std::invalid_argument for infinities and NaN, which have no PDF form.
QByteArray PdfFloat(double value);
// The same, added to a page's content without a text of its own: a page
// has hundreds of numbers.
void AppendPdfFloat(std::string& out, double value);

// Plain decimal: object numbers, counts, sizes, offsets.
QByteArray PdfInt(qint64 value);
// The same, added to a page's content: a line of text has a number between
// most of its glyphs.
void AppendPdfInt(std::string& out, qint64 value);

}  // namespace quitanza::report
