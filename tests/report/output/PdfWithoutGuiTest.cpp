// A process that runs without the window system's font engine (a plain
// QCoreApplication, as the lean commands start) cannot draw glyphs: a PDF
// export that has to draw text into an image must say so, not crash. What
// needs no glyphs still exports.
#include "report/format/Errors.h"
#include "report/model/Class.h"
#include "report/output/ExportPDFFile.h"
#include "tests/support/TestPreviewPages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

class CoreApplicationEnvironment : public testing::Environment {
public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "quitanza-tests";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QCoreApplication>(argc, argv);
  }
  void TearDown() override { m_application.reset(); }

private:
  std::unique_ptr<QCoreApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

class PdfWithoutGui : public testing::Test {
protected:
  QString Path() const { return m_dir.filePath(QStringLiteral("recibo.pdf")); }

  QTemporaryDir m_dir;
  TestPreviewPages m_pages;
  TestPage& m_page = m_pages.AddPage();
};

TEST_F(PdfWithoutGui, ATaggedMemoFailsWithAClearError) {
  MemoView& memo = m_page.Add<MemoView>(10, 10, 200, 20);
  memo.SetName(QStringLiteral("Memo1"));
  memo.AllowHTMLTags = true;
  memo.SetText(QStringLiteral("<b>negrito</b>"));
  try {
    ExportPDFFile(m_pages, Path(), {});
    FAIL() << "exported without a way to draw glyphs";
  } catch (const ReportError& error) {
    EXPECT_TRUE(error.Message().startsWith(QStringLiteral(u"Não foi possível desenhar \"Memo1\" no PDF: ")));
    EXPECT_TRUE(error.Message().contains(QStringLiteral("QGuiApplication"))) << error.Message().toStdString();
  }
}

TEST_F(PdfWithoutGui, PicturesShapesAndPlainTextNeedNoWindowSystem) {
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::blue);
  Picture picture;
  picture.SetImage(logo);
  m_page.Add<PictureView>(0, 0, 80, 40).SetPicture(picture);
  m_page.Add<ShapeView>(0, 50, 80, 40);
  m_page.Add<MemoView>(0, 100, 200, 20).SetText(QStringLiteral(u"Conteúdo"));
  PDFFileSettings uncompressed;
  uncompressed.Compressed = false;
  ExportPDFFile(m_pages, Path(), uncompressed);
  QFile file(Path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.contains("/Filter /DCTDecode"));
  EXPECT_TRUE(pdf.endsWith("%%EOF\r\n"));
}

}  // namespace
