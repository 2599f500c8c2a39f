#include "report/format/Errors.h"
#include "report/model/Report.h"
#include "report/output/ExportPDF.h"
#include "report/preview/PdfExportDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

QCheckBox* BoxNamed(PdfExportDialog& dialog, const QString& caption)
{
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    if (box->text() == caption)
      return box;
  }
  ADD_FAILURE() << caption.toStdString();
  return nullptr;
}

QRadioButton* RadioNamed(PdfExportDialog& dialog, const QString& caption)
{
  for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
    if (radio->text() == caption)
      return radio;
  }
  ADD_FAILURE() << caption.toStdString();
  return nullptr;
}

TEST(PdfExportDialog, KeepsTheReceiptsSettingsWhenAcceptedUnchanged)
{
  PDFExport filter;
  filter.Title = QStringLiteral("Recibo 12");
  PdfExportDialog dialog;
  dialog.Load(filter);
  dialog.Save(filter);
  PDFExport untouched;
  EXPECT_EQ(filter.Title, QStringLiteral("Recibo 12"));
  EXPECT_EQ(filter.Author, untouched.Author);
  EXPECT_EQ(filter.Subject, untouched.Subject);
  EXPECT_EQ(filter.ProtectionFlags, untouched.ProtectionFlags);
  EXPECT_EQ(filter.Quality, 95);
  EXPECT_EQ(filter.Compressed, untouched.Compressed);
  EXPECT_EQ(filter.PrintScaling, untouched.PrintScaling);
  EXPECT_TRUE(filter.PageNumbers.isEmpty());
  EXPECT_FALSE(filter.CurPage);
  EXPECT_TRUE(filter.UserPassword.isEmpty());
}

TEST(PdfExportDialog, WritesTheChoicesBack)
{
  PDFExport filter;
  PdfExportDialog dialog;
  dialog.Load(filter);
  QLineEdit* pages = dialog.findChild<QLineEdit*>(QStringLiteral("pages"));
  // Only digits, commas and hyphens get in; typing selects "Pages:".
  QTest::keyClicks(pages, QStringLiteral("2-3x,5"));
  BoxNamed(dialog, QStringLiteral("Compactado"))->setChecked(false);
  BoxNamed(dialog, QStringLiteral("Copiar texto e gráficos"))->setChecked(false);
  BoxNamed(dialog, QStringLiteral("Ocultar barra de ferramentas"))->setChecked(true);
  dialog.Save(filter);
  EXPECT_EQ(filter.PageNumbers, QStringLiteral("2-3,5"));
  EXPECT_TRUE(RadioNamed(dialog, QStringLiteral("Páginas:"))->isChecked());
  EXPECT_FALSE(filter.Compressed);
  EXPECT_EQ(filter.ProtectionFlags, PDFEncBit::Print | PDFEncBit::Modify | PDFEncBit::Annot);
  EXPECT_TRUE(filter.HideToolbar);
}

TEST(PdfExportDialog, RefusesAQualityThatIsNotAWholeNumber)
{
  PDFExport filter;
  PdfExportDialog dialog;
  dialog.Load(filter);
  dialog.findChild<QLineEdit*>(QStringLiteral("quality"))->setText(QStringLiteral("9x"));
  BoxNamed(dialog, QStringLiteral("Compactado"))->setChecked(false);
  EXPECT_THROW(dialog.Save(filter), ReportError);
  EXPECT_TRUE(filter.Compressed);
}

TEST(PdfExportDialog, OffersTheTemplatesNameAsPdf)
{
  Report report;
  PDFExport filter;
  filter.Report = &report;
  const struct {
    QString reportFile;
    QString fileName;
    QString offered;
  } cases[] = {
      {QStringLiteral("/dados/Recibo.fr3"), QString(), QStringLiteral("Recibo.pdf")},
      {QString(), QString(), QStringLiteral(".pdf")},
      {QStringLiteral("Pagar.fr3"), QStringLiteral("/tmp/saida.pdf"), QStringLiteral("/tmp/saida.pdf")},
  };
  for (const auto& c : cases) {
    report.FileName = c.reportFile;
    filter.FileName = c.fileName;
    EXPECT_EQ(PdfExportDialog::SuggestedFileName(filter), c.offered) << c.reportFile.toStdString();
  }
}

}  // namespace
