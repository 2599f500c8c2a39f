#pragma once

#include <QByteArray>

namespace quitanza::report {

// Numbers as PDF files carry them, never in the machine locale's form.

// Fixed point with exactly two decimals, "." as separator, rounded half away
// from zero (1 -> "1.00", 0.375 -> "0.38", -2 -> "-2.00"). Throws
// std::invalid_argument for infinities and NaN, which have no PDF form.
QByteArray PdfFloat(double value);

// Plain decimal: object numbers, counts, sizes, offsets.
QByteArray PdfInt(qint64 value);
// The same, added to `out` without a text of its own: a line of text has a
// number between most of its glyphs.
void AppendPdfInt(QByteArray& out, qint64 value);

}  // namespace quitanza::report
