#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/print/Print.h"
#include "report/print/PrintDialog.h"
#include "report/print/PrintError.h"
#include "report/print/PrintWithDialog.h"
#include "report/print/Printers.h"
#include "tests/report/output/PdfTools.h"
#include "tests/report/print/PrintQueue.h"
#include "tests/support/IssuedReceipt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

template <class Widget>
Widget* Find(QWidget& parent, const char* name)
{
  auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Shown and active, so clicks and focus reach it as the operator's would.
void ShowActive(QWidget& dialog)
{
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// On its indicator: a check box or radio button reacts only there and on its text.
void Click(QAbstractButton* button)
{
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void ClickOk(QWidget& dialog)
{
  QTest::mouseClick(Find<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

TEST(PrintDialogTest, OpensWithTheOptionsAndGivesBackTheChoices)
{
  Printers printers({}, {});
  PrintOptions options;
  options.Copies = 2;
  options.Collate = false;
  options.Reverse = true;
  PrintDialog dialog(printers, options, 3);
  ShowActive(dialog);
  auto* copies = Find<QSpinBox>(dialog, "sbCopies");
  EXPECT_EQ(copies->value(), 2);
  EXPECT_FALSE(Find<QCheckBox>(dialog, "cbCollate")->isChecked());
  EXPECT_EQ(Find<QComboBox>(dialog, "cbOrder")->currentIndex(), 1);
  EXPECT_TRUE(Find<QRadioButton>(dialog, "rbAll")->isChecked());
  EXPECT_FALSE(Find<QComboBox>(dialog, "cbSheet")->isEnabled());

  // Typing a selection chooses "Pages:".
  auto* pages = Find<QLineEdit>(dialog, "edPages");
  QTest::mouseClick(pages, Qt::LeftButton);
  QTest::keyClicks(pages, QStringLiteral("1,3-4"));
  EXPECT_TRUE(Find<QRadioButton>(dialog, "rbPages")->isChecked());
  copies->selectAll();
  QTest::keyClicks(copies, QStringLiteral("3"));
  Click(Find<QCheckBox>(dialog, "cbCollate"));
  ClickOk(dialog);
  ASSERT_EQ(dialog.result(), QDialog::Accepted);

  PrintOptions chosen;
  dialog.ApplyTo(chosen);
  EXPECT_EQ(chosen.Copies, 3);
  EXPECT_TRUE(chosen.Collate);
  EXPECT_EQ(chosen.PageNumbers, QStringLiteral("1,3-4"));
  EXPECT_TRUE(chosen.Reverse);
  EXPECT_EQ(chosen.PrintMode, PrintMode::Default);
}

TEST(PrintDialogTest, CurrentPageAndAModeOnASheet)
{
  Printers printers({}, {});
  PrintDialog dialog(printers, {}, 7);
  ShowActive(dialog);
  Click(Find<QRadioButton>(dialog, "rbCurrent"));
  auto* sheet = Find<QComboBox>(dialog, "cbSheet");
  Find<QComboBox>(dialog, "cbMode")->setCurrentIndex(static_cast<int>(PrintMode::Scale));
  // A mode on a sheet wants a sheet: A4 unless one was chosen.
  EXPECT_TRUE(sheet->isEnabled());
  EXPECT_EQ(sheet->currentData().toInt(), kA4Paper);
  Find<QComboBox>(dialog, "cbPrintPages")->setCurrentIndex(2);
  Find<QComboBox>(dialog, "cbDuplex")->setCurrentIndex(1);
  ClickOk(dialog);
  PrintOptions chosen;
  dialog.ApplyTo(chosen);
  EXPECT_EQ(chosen.PageNumbers, QStringLiteral("7"));
  EXPECT_EQ(chosen.PrintMode, PrintMode::Scale);
  EXPECT_EQ(chosen.PrintOnSheet, kA4Paper);
  EXPECT_EQ(chosen.PrintPages, PrintPages::Even);
  EXPECT_EQ(chosen.Duplex, DuplexMode::Vertical);
}

TEST(PrintDialogTest, SpeaksPortugueseOnceTheTranslationsAreInstalled)
{
  InstallPrintTranslations(*QCoreApplication::instance());
  Printers printers({}, {});
  PrintDialog dialog(printers, {}, 1);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Imprimir"));
  EXPECT_EQ(Find<QRadioButton>(dialog, "rbCurrent")->text(), QStringLiteral(u"Página atual"));
  EXPECT_EQ(Find<QComboBox>(dialog, "cbOrder")->itemText(1), QStringLiteral("Inversa (9-1)"));
}

TEST(PrintDialogTest, WithoutPrintersNoDialogShows)
{
  IssuedReceipt receipt;
  Printers none({}, {});
  bool dialogShown = false;
  EXPECT_THROW(PrintPreparedPages(receipt.Report(), receipt.Pages(), none,
                                  [&](Printers&, PrintOptions&) { return dialogShown = true; }),
               PrintError);
  EXPECT_FALSE(dialogShown);
}

// With the CUPS PDF printer ./test starts: the preview's Print, the dialog
// accepted as it opens (in reverse order), prints the receipt on one A4 page.
TEST(PrintDialogCupsTest, AcceptedDialogPrintsTheReceipt)
{
  if (PrintQueue().isEmpty())
    GTEST_SKIP() << "No CUPS PDF printer: ./test starts one when run as root.";
  ClearPrintedPdfs();
  IssuedReceipt receipt;
  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<PrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    Find<QComboBox>(*dialog, "cbOrder")->setCurrentIndex(1);
    ClickOk(*dialog);
  });
  EXPECT_TRUE(PrintWithDialog(receipt.Report()));
  // What the dialog chose does not outlive the print.
  EXPECT_FALSE(receipt.Report().PrintOptions.Reverse);
  const QString printed = WaitForPrintedPdf();
  ASSERT_FALSE(printed.isEmpty());
  const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {printed});
  EXPECT_TRUE(info.output.contains(QStringLiteral("Pages:           1\n"))) << info.output.toStdString();
  // Both copies of the receipt, one on each half of the sheet.
  const QImage sheet = RenderPdfPage(printed, 1, 30);
  const int half = sheet.height() / 2;
  EXPECT_GT(InkIn(sheet, QRect(0, 0, sheet.width(), half)).Dots, 300);
  EXPECT_GT(InkIn(sheet, QRect(0, half, sheet.width(), half)).Dots, 300);
}

}  // namespace
