// Writes small but complete PDF files with the writing primitives and has
// independent readers (qpdf, pdfinfo, pdftotext) open them.
#include "PdfTools.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFFileId.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFStrings.h"
#include "report/output/PDFWriter.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

using namespace quitanza::report;

namespace {

const QString Title = QStringLiteral(u"Recibo nº 1 (cópia)");
const QByteArray Content = "BT\r\n/F0 12 Tf\r\n72.00 720.00 Td\r\n(Quitanza receipt) Tj\r\nET\r\n";

// The value of one "Name:   value" line of pdfinfo, trimmed; null when absent.
QString InfoField(const QString& output, const QString& name) {
  for (const QString& line : output.split(u'\n')) {
    if (line.startsWith(name + u':'))
      return line.sliced(name.size() + 1).trimmed();
  }
  return {};
}

class PdfFile {
public:
  explicit PdfFile(const std::optional<quitanza::report::PDFEncryption>& encryption) : m_encryption(encryption) {}

  // One page with one line of text, an information dictionary and a catalog,
  // in the order the export writes them.
  void Write(QIODevice& device, const QByteArray& fileId) {
    quitanza::report::PDFWriter writer(device);
    writer.WriteLine("%PDF-1.5");
    const int pages = writer.ReserveObject();

    const int content = writer.NewObject();
    const QByteArray data = PDFStreamEncoder().Encode(Content, true, Encryption(), content);
    writer.WriteLine(PdfInt(content) + " 0 obj");
    writer.WriteLine("<< /Filter /FlateDecode /Length " + PdfInt(data.size()) + " /Length1 " +
                     PdfInt(Content.size()) + " >>");
    writer.WriteLine("stream");
    writer.Write(data);
    writer.WriteLine("");
    writer.WriteLine("endstream");
    writer.WriteLine("endobj");

    const int font = writer.NewObject();
    writer.WriteLine(PdfInt(font) + " 0 obj");
    writer.WriteLine("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    writer.WriteLine("endobj");

    const int page = writer.NewObject();
    writer.WriteLine(PdfInt(page) + " 0 obj");
    writer.WriteLine("<< /Type /Page /Parent " + PdfInt(pages) + " 0 R /MediaBox [0 0 " +
                     PdfFloat(0.75 * 794) + ' ' + PdfFloat(0.75 * 1123) + " ]");
    writer.WriteLine("/Resources << /Font << /F0 " + PdfInt(font) + " 0 R >> >> /Contents " +
                     PdfInt(content) + " 0 R >>");
    writer.WriteLine("endobj");

    writer.UpdateObject(pages);
    writer.WriteLine(PdfInt(pages) + " 0 obj");
    writer.WriteLine("<< /Type /Pages /Kids [" + PdfInt(page) + " 0 R ] /Count 1 >>");
    writer.WriteLine("endobj");

    const int info = writer.NewObject();
    const QByteArray date = PdfDateText(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 1)));
    writer.WriteLine(PdfInt(info) + " 0 obj");
    writer.WriteLine("<< /Title " + Text(Title, info) + " /Keywords " + Text(QString(), info) +
                     " /CreationDate " + Bytes(date, info) + " >>");
    writer.WriteLine("endobj");

    const int catalog = writer.NewObject();
    writer.WriteLine(PdfInt(catalog) + " 0 obj");
    writer.WriteLine("<< /Type /Catalog /Pages " + PdfInt(pages) + " 0 R >>");
    writer.WriteLine("endobj");

    const qint64 xref = writer.WriteXref();
    writer.WriteTrailer(catalog, info, fileId, m_encryption ? m_encryption->EncryptDictionary() : QByteArray(),
                        xref);
  }

private:
  const quitanza::report::PDFEncryption* Encryption() const { return m_encryption ? &*m_encryption : nullptr; }

  QByteArray Text(const QString& text, int object) const {
    return m_encryption ? m_encryption->EncryptText(text, object) : PdfTextHexString(text);
  }

  QByteArray Bytes(const QByteArray& bytes, int object) const {
    return m_encryption ? m_encryption->EncryptString(bytes, object) : PdfLiteralString(bytes);
  }

  std::optional<quitanza::report::PDFEncryption> m_encryption;
};

class EncryptedPdf : public testing::Test {
protected:
  QString WritePdf(const QString& name, const QByteArray& user, const QByteArray& owner,
                   qint32 permissions) {
    const QByteArray fileId = NewPdfFileId();
    std::optional<quitanza::report::PDFEncryption> encryption;
    if (!user.isEmpty() || !owner.isEmpty())
      encryption.emplace(user, owner, permissions, fileId);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    PdfFile(encryption).Write(file, fileId);
    return path;
  }

  static QString Password(const char* password) { return QStringLiteral("--password=") + QLatin1String(password); }

  QTemporaryDir m_dir;
};

TEST_F(EncryptedPdf, UnprotectedFilePassesTheCheck) {
  const QString path = WritePdf(QStringLiteral("plain.pdf"), {}, {}, -4);
  const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
  EXPECT_TRUE(check.output.contains(QStringLiteral("File is not encrypted")));
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {path});
  EXPECT_EQ(InfoField(info.output, QStringLiteral("Title")), Title) << info.output.toStdString();
}

TEST_F(EncryptedPdf, OpensWithTheUserPasswordOnly) {
  const QString path = WritePdf(QStringLiteral("user.pdf"), "segredo", {}, PdfPermissionValue(AllPDFEncBits));

  const ToolResult check = RunTool(QStringLiteral("qpdf"), {Password("segredo"), QStringLiteral("--check"), path});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
  EXPECT_TRUE(check.output.contains(QStringLiteral("No syntax or stream encoding errors found")))
      << check.output.toStdString();

  const ToolResult noPassword = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
  EXPECT_NE(noPassword.exitCode, 0);
  EXPECT_TRUE(noPassword.output.contains(QStringLiteral("invalid password"))) << noPassword.output.toStdString();
  const ToolResult wrong = RunTool(QStringLiteral("qpdf"), {Password("errado"), QStringLiteral("--check"), path});
  EXPECT_NE(wrong.exitCode, 0);

  // With only a user password it is the owner password as well.
  const ToolResult show =
      RunTool(QStringLiteral("qpdf"), {Password("segredo"), QStringLiteral("--show-encryption"), path});
  EXPECT_TRUE(show.output.contains(QStringLiteral("R = 3\nP = -4\nUser password = segredo\n"
                                                  "Supplied password is owner password")))
      << show.output.toStdString();
}

TEST_F(EncryptedPdf, DecryptsStreamsAndStrings) {
  const QString path = WritePdf(QStringLiteral("both.pdf"), "user", "owner", PdfPermissionValue(AllPDFEncBits));

  const ToolResult content = RunTool(QStringLiteral("qpdf"),
      {Password("user"), QStringLiteral("--show-object=2"), QStringLiteral("--filtered-stream-data"), path});
  EXPECT_EQ(content.output, QString::fromLatin1(Content));

  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-upw"), QStringLiteral("user"), path});
  EXPECT_EQ(InfoField(info.output, QStringLiteral("Title")), Title) << info.output.toStdString();
  EXPECT_EQ(InfoField(info.output, QStringLiteral("Keywords")), QString()) << info.output.toStdString();
  EXPECT_TRUE(InfoField(info.output, QStringLiteral("CreationDate")).startsWith(QStringLiteral("Thu Mar  7 09:05:01 2024")))
      << info.output.toStdString();

  const ToolResult text = RunTool(QStringLiteral("pdftotext"),
      {QStringLiteral("-upw"), QStringLiteral("user"), path, QStringLiteral("-")});
  EXPECT_TRUE(text.output.contains(QStringLiteral("Quitanza receipt"))) << text.output.toStdString();
}

TEST_F(EncryptedPdf, OwnerPasswordRecoversTheUserPasswordAndFlags) {
  const QString path = WritePdf(QStringLiteral("none.pdf"), "user", "owner", PdfPermissionValue({}));
  const ToolResult show =
      RunTool(QStringLiteral("qpdf"), {Password("owner"), QStringLiteral("--show-encryption"), path});
  EXPECT_EQ(show.exitCode, 0) << show.output.toStdString();
  for (const QString& line : {QStringLiteral("R = 3"), QStringLiteral("P = -64"),
                              QStringLiteral("User password = user"),
                              QStringLiteral("Supplied password is owner password"),
                              QStringLiteral("print low resolution: not allowed"),
                              QStringLiteral("modify annotations: not allowed"),
                              QStringLiteral("extract for any purpose: not allowed")})
    EXPECT_TRUE(show.output.contains(line)) << line.toStdString() << "\n" << show.output.toStdString();
  const ToolResult check = RunTool(QStringLiteral("qpdf"), {Password("user"), QStringLiteral("--check"), path});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
}

}  // namespace
