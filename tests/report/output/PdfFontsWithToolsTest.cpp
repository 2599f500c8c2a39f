// Writes one-page documents whose text is shown with the font objects and has
// the independent readers (qpdf, pdffonts, pdftotext) open them.
#include "PdfTools.h"
#include "report/output/PDFEncryption.h"
#include "report/output/PDFFileId.h"
#include "report/output/PDFFontObjects.h"
#include "report/output/PDFFonts.h"
#include "report/output/PDFNumbers.h"
#include "report/output/PDFStreamEncoder.h"
#include "report/output/PDFStrings.h"
#include "report/output/PDFWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

const QString RegularLine = QStringLiteral(u"Recebi(emos) de: JOÃO D'ÁVILA — R$ 1.234,56");
const QString BoldLine = QStringLiteral(u"Referente a: AÇÚCAR, CAFÉ E PÃO");

enum class Family { Named, Substitute };

struct ExportSettings {
  const char* name;
  Family family;  // Liberation Sans, the face itself, or Arial, for which it stands in
  bool compressed;
  bool embeddedFonts;
  bool embedFontsIfProtected;
  const char* userPassword;  // empty: not protected
  bool expectEmbedded;  // a substitute always is, as a subset
};

// The export run in miniature: the fonts are registered and their glyph
// strings shown while the page is made, reserved at the end of the page, and
// written after it, before the page tree.
class ReceiptLinePdf {
public:
  explicit ReceiptLinePdf(const ExportSettings& settings) : m_settings(settings) {}

  void Write(QIODevice& device) {
    const QByteArray fileId = NewPdfFileId();
    std::optional<quitanza::report::PDFEncryption> encryption;
    bool embedded = m_settings.embeddedFonts;
    if (*m_settings.userPassword) {
      encryption.emplace(m_settings.userPassword, "", PdfPermissionValue(AllPDFEncBits), fileId);
      embedded = m_settings.embedFontsIfProtected;
    }
    const quitanza::report::PDFEncryption* protection = encryption ? &*encryption : nullptr;

    quitanza::report::PDFWriter writer(device);
    writer.WriteLine("%PDF-1.5");
    const int pages = writer.ReserveObject();

    const QByteArray content = ShowLine(RegularLine, {}, 780) + ShowLine(BoldLine, FontStyle::Bold, 760);
    const int contentObject = writer.NewObject();
    const QByteArray data = m_encoder.Encode(content, m_settings.compressed, protection, contentObject);
    writer.WriteLine(PdfInt(contentObject) + " 0 obj");
    writer.WriteLine("<< /Length " + PdfInt(data.size()) + (m_settings.compressed ? " /Filter /FlateDecode" : "") +
                     " >>");
    writer.WriteLine("stream");
    writer.Write(data);
    writer.WriteLine("");
    writer.WriteLine("endstream");
    writer.WriteLine("endobj");

    m_fonts.Reserve(writer);
    const int page = writer.NewObject();
    writer.WriteLine(PdfInt(page) + " 0 obj");
    writer.WriteLine("<< /Type /Page /Parent " + PdfInt(pages) + " 0 R /MediaBox [0 0 595.50 842.25 ]");
    writer.WriteLine("/Resources << /Font << " + m_fonts.ResourceEntries() + ">> >> /Contents " +
                     PdfInt(contentObject) + " 0 R >>");
    writer.WriteLine("endobj");

    m_fonts.Write({writer, m_encoder, m_settings.compressed, embedded, protection});

    writer.UpdateObject(pages);
    writer.WriteLine(PdfInt(pages) + " 0 obj");
    writer.WriteLine("<< /Type /Pages /Kids [" + PdfInt(page) + " 0 R ] /Count 1 >>");
    writer.WriteLine("endobj");
    const int info = writer.NewObject();
    writer.WriteLine(PdfInt(info) + " 0 obj\r\n<< >>\r\nendobj");
    const int catalog = writer.NewObject();
    writer.WriteLine(PdfInt(catalog) + " 0 obj\r\n<< /Type /Catalog /Pages " + PdfInt(pages) + " 0 R >>\r\nendobj");
    const qint64 xref = writer.WriteXref();
    writer.WriteTrailer(catalog, info, fileId, encryption ? encryption->EncryptDictionary() : QByteArray(), xref);
  }

private:
  QByteArray ShowLine(const QString& text, FontStyles style, int y) {
    quitanza::platform::Font font;
    font.Name = m_settings.family == Family::Named ? QStringLiteral("Liberation Sans") : QStringLiteral("Arial");
    font.Style = style;
    const int index = m_fonts.FindOrAdd(font);
    QByteArray glyphs;
    AppendPdfHexUnits(glyphs, m_fonts[index].RemapString(text, false));
    return "BT\r\n" + m_fonts[index].Name() + " 12 Tf\r\n56.70 " + PdfInt(y) + ".00 Td\r\n<" + glyphs +
           "> Tj\r\nET\r\n";
  }

  ExportSettings m_settings;
  PDFFonts m_fonts;
  PDFStreamEncoder m_encoder;
};

class PdfFontsWithTools : public testing::TestWithParam<ExportSettings> {
protected:
  // The file as the readers get it: decrypted by qpdf with the user password
  // when protected (which proves the password opens it).
  QString WriteAndOpen() {
    const ExportSettings& settings = GetParam();
    const QString written = m_dir.filePath(QStringLiteral("recibo.pdf"));
    QFile file(written);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    ReceiptLinePdf(settings).Write(file);
    file.close();

    QStringList check{QStringLiteral("--check"), written};
    if (*settings.userPassword)
      check.prepend(QStringLiteral("--password=") + QLatin1String(settings.userPassword));
    const ToolResult checked = RunTool(QStringLiteral("qpdf"), check);
    EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();
    EXPECT_TRUE(checked.output.contains(QStringLiteral("No syntax or stream encoding errors found")))
        << checked.output.toStdString();
    if (!*settings.userPassword)
      return written;

    const ToolResult locked = RunTool(QStringLiteral("pdftotext"), {written, QStringLiteral("-")});
    EXPECT_NE(locked.exitCode, 0) << "opened without the password";
    const QString decrypted = m_dir.filePath(QStringLiteral("decrypted.pdf"));
    const ToolResult decrypt = RunTool(QStringLiteral("qpdf"),
        {QStringLiteral("--password=") + QLatin1String(settings.userPassword), QStringLiteral("--decrypt"),
         written, decrypted});
    EXPECT_EQ(decrypt.exitCode, 0) << decrypt.output.toStdString();
    return decrypted;
  }

  QTemporaryDir m_dir;
};

TEST_P(PdfFontsWithTools, ReadersSeeCompositeFontsAndGetTheAccentedTextBack) {
  const QString path = WriteAndOpen();

  const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {path});
  ASSERT_EQ(fonts.exitCode, 0) << fonts.output.toStdString();
  const bool substitute = GetParam().family == Family::Substitute;
  const QString embedded = GetParam().expectEmbedded ? QStringLiteral("yes") : QStringLiteral("no");
  const QStringList names = substitute ? QStringList{QStringLiteral("[A-Z]{6}\\+LiberationSans"),
                                                    QStringLiteral("[A-Z]{6}\\+LiberationSans-Bold")}
                                       : QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans,Bold")};
  for (const QString& name : names) {
    // name, type, encoding, embedded, subset, ToUnicode
    const QRegularExpression line(u'^' + name + QStringLiteral(" +CID TrueType +Identity-H +") + embedded +
                                      (substitute ? QStringLiteral(" +yes +yes ") : QStringLiteral(" +no +yes ")),
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(fonts.output).hasMatch()) << name.toStdString() << "\n" << fonts.output.toStdString();
  }

  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  ASSERT_EQ(text.exitCode, 0) << text.output.toStdString();
  EXPECT_TRUE(text.output.contains(RegularLine)) << text.output.toStdString();
  EXPECT_TRUE(text.output.contains(BoldLine)) << text.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PdfFontsWithTools,
    testing::Values(ExportSettings{"NotEmbedded", Family::Named, true, false, true, "", false},
                    ExportSettings{"Embedded", Family::Named, true, true, true, "", true},
                    ExportSettings{"EmbeddedUncompressed", Family::Named, false, true, true, "", true},
                    ExportSettings{"ProtectedEmbedsIfProtected", Family::Named, true, false, true, "recibo", true},
                    ExportSettings{"ProtectedWithoutEmbedding", Family::Named, true, true, false, "recibo", false},
                    ExportSettings{"SubstituteNotAsked", Family::Substitute, true, false, true, "", true},
                    ExportSettings{"SubstituteUncompressed", Family::Substitute, false, false, true, "", true},
                    ExportSettings{"SubstituteProtectedWithoutEmbedding", Family::Substitute, true, true, false,
                                   "recibo", true}),
    [](const testing::TestParamInfo<ExportSettings>& info) { return std::string(info.param.name); });

}  // namespace
