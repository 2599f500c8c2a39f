#include "tests/doclib/PrintQString.h"
#include "tests/report/output/PdfTools.h"

#include <gtest/gtest.h>

namespace {

const QString ManualPath = QStringLiteral(QUITANZA_BINARY_DIR "/app/manual.pdf");

}  // namespace

// The build writes the manual beside the executable: every chapter the
// operator needs, and a picture of each of the four windows.
TEST(Manual, HoldsEveryChapterAndAPictureOfEachWindow)
{
  const ToolResult text = RunTool(QStringLiteral("pdftotext"), {ManualPath, QStringLiteral("-")});
  ASSERT_EQ(text.exitCode, 0) << text.output.toStdString();
  for (const QString& chapter :
       {QStringLiteral("Quitanza - Manual do operador"), QStringLiteral("1. Configurar o emitente"),
        QStringLiteral("2. Emitir um recibo"), QStringLiteral("3. Consultar, imprimir de novo e excluir"),
        QStringLiteral(u"4. Verificar uma autenticação"), QStringLiteral("5. Onde ficam os dados"),
        QStringLiteral(u"6. Cópia de segurança")})
    EXPECT_TRUE(text.output.contains(chapter)) << chapter.toStdString();

  const ToolResult images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), ManualPath});
  ASSERT_EQ(images.exitCode, 0) << images.output.toStdString();
  // A heading line and a rule line come before one line per picture.
  EXPECT_EQ(images.output.trimmed().split(u'\n').size() - 2, 4) << images.output.toStdString();
}
