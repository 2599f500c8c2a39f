#include "PdfFile.h"

#include "Inflate.h"

#include <QRegularExpression>

QList<QByteArray> PdfPageContents(const QByteArray& file) {
  // Only page contents open with "<< /Filter" or carry a bare "/Length n >>".
  static const QRegularExpression header(QStringLiteral(
      "\\d+ 0 obj\\r\\n<< (?:/Filter /FlateDecode /Length (\\d+) /Length1 (\\d+)|/Length (\\d+)) >>\\r\\nstream\\r\\n"));
  const QString latin = QString::fromLatin1(file);
  QList<QByteArray> contents;
  for (const QRegularExpressionMatch& match : header.globalMatch(latin)) {
    const qsizetype start = match.capturedEnd(0);
    if (match.captured(3).isEmpty())
      contents.append(Inflate(file.mid(start, match.captured(1).toLongLong()), match.captured(2).toLongLong()));
    else
      contents.append(file.mid(start, match.captured(3).toLongLong()));
  }
  return contents;
}

QByteArray PdfObject(const QByteArray& file, int number) {
  const QByteArray head = "\n" + QByteArray::number(number) + " 0 obj\r\n";
  const qsizetype start = file.indexOf(head);
  if (start < 0)
    return {};
  return file.mid(start + 1, file.indexOf("endobj", start) - start - 1);
}
