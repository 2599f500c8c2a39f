// The preview window as the operator uses it: real events through QTest on
// the offscreen platform, real prepared receipts.
#include "report/model/PreviewPages.h"
#include "report/model/ReportPage.h"
#include "report/model/Units.h"
#include "report/model/View.h"
#include "report/output/ExportPDF.h"
#include "report/output/PngExport.h"
#include "report/preview/FindDialog.h"
#include "report/preview/PageSettingsDialog.h"
#include "report/preview/PdfExportDialog.h"
#include "report/preview/Preview.h"
#include "report/preview/PreviewForm.h"
#include "report/preview/PreviewWorkspace.h"
#include "report/preview/ShowReport.h"
#include "report/preview/TextSearch.h"
#include "tests/report/output/PdfTools.h"
#include "tests/report/preview/ModalDriver.h"
#include "tests/support/IssuedReceipt.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

// A shown, not maximised preview of the receipt at zoom 1.
class PreviewWindow : public testing::Test {
protected:
  void SetUp() override
  {
    m_receipt.Report().PreviewOptions.Maximized = false;
    m_form = std::make_unique<PreviewForm>(m_receipt.Report());
    m_form->resize(1000, 800);
    m_form->Init();
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
  }

  Preview& View() { return m_form->PreviewControl(); }
  PreviewWorkspace& Workspace() { return View().Workspace(); }

  void TypeZoom(const QString& text)
  {
    QComboBox& list = m_form->ZoomList();
    list.lineEdit()->selectAll();
    QTest::keyClick(list.lineEdit(), Qt::Key_Delete);
    // QTest types ASCII only.
    list.lineEdit()->insert(text);
    QTest::keyClick(list.lineEdit(), Qt::Key_Return);
  }

  void WheelWithControl(int notches)
  {
    QWidget* viewport = Workspace().viewport();
    const QPoint centre = viewport->rect().center();
    QWheelEvent wheel(centre, viewport->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
  }

  IssuedReceipt m_receipt;
  std::unique_ptr<PreviewForm> m_form;
};

// Answers the save or open dialog with `path`.
void ChooseFile(const QString& path)
{
  WhenShown<QFileDialog>([path](QFileDialog& dialog) {
    dialog.selectFile(path);
    static_cast<QDialog&>(dialog).accept();
  });
}

void Click(PreviewForm& form, const char* control)
{
  QWidget* button = form.ToolBar().widgetForAction(form.Control(QString::fromLatin1(control)));
  ASSERT_NE(button, nullptr) << control;
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(PreviewWindow, ShowsTheReceiptsToolbarInPortuguese)
{
  PDFExport pdf;  // the data module's filter, which the Export menu lists
  PreviewForm form(m_receipt.Report());
  form.Init();
  QStringList visible;
  for (QAction* action : form.ToolBar().actions()) {
    if (action->isVisible() && !action->objectName().isEmpty())
      visible << action->objectName();
  }
  QStringList expected;
  for (const char* name : {"PrintB", "OpenB", "SaveB", "ExportB", "PdfB", "FindB", "ZoomPlusB", "ZoomCB", "ZoomMinusB",
                           "FullScreenBtn", "OutlineB", "ThumbB", "PageSettingsB", "DesignerB", "FirstB", "PriorB",
                           "PageE", "NextB", "LastB", "CancelB"})
    expected << QString::fromLatin1(name);
  EXPECT_EQ(visible, expected);
  QMenu* exportMenu = form.Control(QStringLiteral("ExportB"))->menu();
  ASSERT_EQ(exportMenu->actions().size(), 1);
  EXPECT_EQ(exportMenu->actions()[0]->text(), QStringLiteral("Arquivo PDF..."));
  EXPECT_EQ(form.Control(QStringLiteral("PrintB"))->toolTip(), QStringLiteral("Imprimir"));
  EXPECT_EQ(form.Control(QStringLiteral("CancelB"))->text(), QStringLiteral("Fechar"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Visualização"));
}

TEST_F(PreviewWindow, CentresTheA4PageTenPixelsFromTheTop)
{
  const QRect page = Workspace().PageBounds(0).translated(-Workspace().Offset());
  EXPECT_EQ(page.size(), QSize(794, 1123));
  EXPECT_EQ(page.top(), 10);
  // Centred in the room the layout leaves beside the vertical scroll bar.
  const int room = Workspace().LayoutWidth();
  EXPECT_EQ(page.left(), (room - 804 + 10) / 2 + 10);
  EXPECT_EQ(m_form->StatusPanel(0).text(), QStringLiteral("Página 1 de 1"));
  EXPECT_EQ(m_form->ZoomList().currentText(), QStringLiteral("100%"));
}

TEST_F(PreviewWindow, TypedZoomTextsApplyOnEnter)
{
  TypeZoom(QStringLiteral("150 %"));
  EXPECT_DOUBLE_EQ(View().Zoom(), 1.5);
  EXPECT_EQ(m_form->ZoomList().currentText(), QStringLiteral("150%"));
  TypeZoom(QStringLiteral("10%"));
  EXPECT_DOUBLE_EQ(View().Zoom(), 0.25);
  EXPECT_EQ(m_form->ZoomList().currentText(), QStringLiteral("25%"));
  TypeZoom(QStringLiteral("Página inteira"));
  EXPECT_EQ(View().ZoomMode(), ZoomMode::WholePage);
  EXPECT_EQ(Workspace().PageBounds(0).height(), Workspace().height() - 26);
}

TEST_F(PreviewWindow, ControlWheelZoomsInTenthsDownToAFloor)
{
  View().SetZoom(0.35);
  WheelWithControl(-1);
  EXPECT_DOUBLE_EQ(View().Zoom(), 0.3);
  WheelWithControl(2);
  EXPECT_NEAR(View().Zoom(), 0.5, 1e-9);
}

TEST_F(PreviewWindow, KeysAndWheelScrollTheView)
{
  View().SetZoom(2);
  ASSERT_EQ(Workspace().Offset().y(), 0);
  QTest::keyClick(&Workspace(), Qt::Key_Down);
  EXPECT_EQ(Workspace().Offset().y(), 8);
  QTest::keyClick(&Workspace(), Qt::Key_PageDown);
  EXPECT_EQ(Workspace().Offset().y(), 308);
  QWidget* viewport = Workspace().viewport();
  QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(viewport, &wheel);
  EXPECT_EQ(Workspace().Offset().y(), 328);
  // The hand tool: dragging up moves the pages up.
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(100, 300));
  QTest::mouseMove(viewport, QPoint(100, 200));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(100, 200));
  EXPECT_EQ(Workspace().Offset().y(), 428);
}

TEST_F(PreviewWindow, FindsTheTitleWhateverItsCaseUnlessCaseSensitive)
{
  // With case, "recibo" is only in the maker's line at the foot.
  const struct {
    bool caseSensitive;
    const char16_t* foundIn;
  } cases[] = {{false, u"RECIBO"}, {true, u"Quitanza - emissão de recibos"}};
  for (const auto& c : cases) {
    WhenShown<FindDialog>([&c](FindDialog& dialog) {
      QLineEdit* text = dialog.findChild<QLineEdit*>();
      text->selectAll();
      QTest::keyClicks(text, QStringLiteral("recibo"));
      QTest::keyClick(dialog.findChildren<QCheckBox*>().at(0), Qt::Key_Space);  // from the beginning
      if (c.caseSensitive)
        QTest::keyClick(dialog.findChildren<QCheckBox*>().at(1), Qt::Key_Space);
      QTest::keyClick(text, Qt::Key_Return);
    });
    // A closed dialog may leave no window active, and shortcuts need one.
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(TextSearch::Global().Found());
    EXPECT_EQ(TextSearch::Global().FoundPage(), 0);
    EXPECT_EQ(TextSearch::Global().FoundText(), QString::fromUtf16(c.foundIn));
  }
  // F3 goes on from the match: the second copy's foot; past it, nothing more.
  const QRect first = TextSearch::Global().FoundRect();
  m_form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
  QTest::keyClick(m_form.get(), Qt::Key_F3);
  ASSERT_TRUE(TextSearch::Global().Found());
  EXPECT_GT(TextSearch::Global().FoundRect().top(), first.bottom());
  WhenShown<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), QStringLiteral("Texto não encontrado"));
    box.accept();
  });
  m_form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
  QTest::keyClick(m_form.get(), Qt::Key_F3);
  EXPECT_FALSE(TextSearch::Global().Found());
}

TEST_F(PreviewWindow, PageSettingsForAllPagesPrepareTheReportAgain)
{
  const QSize portrait = m_receipt.Pages().GetPageSize(0);
  WhenShown<PageSettingsDialog>([](PageSettingsDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Configurar página"));
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
      if (radio->text() == QStringLiteral("Paisagem") || radio->text() == QStringLiteral("Aplicar a todas as páginas"))
        QTest::mouseClick(radio, Qt::LeftButton);
    }
    dialog.accept();
  });
  Click(*m_form, "PageSettingsB");
  EXPECT_EQ(m_receipt.Pages().GetPageSize(0), portrait.transposed());
  EXPECT_EQ(View().PageCount(), 1);
  EXPECT_EQ(Workspace().PageBounds(0).size(), portrait.transposed());
}

TEST_F(PreviewWindow, F11SwitchesFullScreenOnAndOff)
{
  QTest::keyClick(m_form.get(), Qt::Key_F11);
  EXPECT_TRUE(m_form->windowState() & Qt::WindowFullScreen);
  EXPECT_FALSE(m_form->ToolBar().isVisible());
  m_form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
  QTest::keyClick(m_form.get(), Qt::Key_F11);
  EXPECT_FALSE(m_form->windowState() & Qt::WindowFullScreen);
  EXPECT_TRUE(m_form->ToolBar().isVisible());
}

TEST(PreviewLinks, ShowTheHandTheLinkAndTheHintAndGoToTheirPage)
{
  IssuedReceiptOptions options;
  options.Pages = 2;
  IssuedReceipt receipt(options);
  Report& report = receipt.Report();
  auto* title = dynamic_cast<View*>(report.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(title, nullptr);
  title->URL = QStringLiteral("@2");
  title->Hint = QStringLiteral(u"Título|Vai para a segunda página");
  title->ShowHint = true;
  ASSERT_TRUE(report.PrepareReport());
  report.PreviewOptions.Maximized = false;
  PreviewForm form(report);
  form.resize(1000, 800);
  form.Init();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  PreviewWorkspace& workspace = form.PreviewControl().Workspace();
  // Preparing reloads the template, so the prepared copy tells where the title is.
  ReportPage* page = report.PreviewPages().GetPage(0);
  const View* linked = nullptr;
  for (Component* object : page->AllObjects()) {
    if (auto* view = dynamic_cast<const View*>(object); view && view->URL == QStringLiteral("@2"))
      linked = view;
  }
  ASSERT_NE(linked, nullptr);
  const QPoint centre(static_cast<int>((page->LeftMargin * fr1mm + linked->AbsLeft() + linked->Width() / 2)),
                      static_cast<int>((page->TopMargin * fr1mm + linked->AbsTop() + linked->Height() / 2)));
  const QPoint inView = workspace.PageBounds(0).topLeft() + centre - workspace.Offset();
  // Sent to the viewport itself: where the platform puts the pointer is not the point.
  const auto send = [&workspace, inView](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, inView, workspace.viewport()->mapToGlobal(inView), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(workspace.viewport(), &event);
  };
  send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(workspace.viewport()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(form.StatusPanel(1).text(), QStringLiteral("@2"));
  EXPECT_EQ(form.StatusPanel(2).text(), QStringLiteral(u"Vai para a segunda página"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral(u"Título"));
  send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(form.PreviewControl().PageNo(), 2);
  EXPECT_EQ(form.StatusPanel(0).text(), QStringLiteral("Página 2 de 2"));
}

TEST_F(PreviewWindow, ExportsThroughTheSettingsAndSaveDialogs)
{
  PDFExport pdf;
  PreviewForm form(m_receipt.Report());
  form.Init();
  form.show();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("recibo.pdf"));
  WhenShown<PdfExportDialog>([path](PdfExportDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Exportar para PDF"));
    ChooseFile(path);
    dialog.accept();
  });
  Click(form, "PdfB");
  ASSERT_TRUE(QFile::exists(path));
  const ToolResult check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
  EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
  // The filter is the program's: the preview's dialogs are not left on it.
  EXPECT_FALSE(pdf.OnShowDialog);
}

TEST_F(PreviewWindow, SavedPreparedReportOpensWithTheSamePages)
{
  IssuedReceiptOptions options;
  options.Pages = 3;
  IssuedReceipt threePages(options);
  QTemporaryDir folder;
  {
    PreviewForm form(threePages.Report());
    form.Init();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ChooseFile(folder.filePath(QStringLiteral("copia")));
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  }
  const QString saved = folder.filePath(QStringLiteral("copia.fp3"));
  ASSERT_TRUE(QFile::exists(saved));

  m_form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
  ChooseFile(saved);
  QTest::keyClick(m_form.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(View().PageCount(), 3);
  EXPECT_EQ(m_form->StatusPanel(0).text(), QStringLiteral("Página 1 de 3"));
  for (int page = 0; page < 3; ++page)
    EXPECT_EQ(RenderPage(m_receipt.Pages(), page), RenderPage(threePages.Pages(), page)) << "page " << page;
}

TEST(PreviewPreparing, EscStopsPreparationAndKeepsThePagesMadeSoFar)
{
  IssuedReceiptOptions options;
  options.Pages = 200;
  options.Pictures = false;
  IssuedReceipt receipt(options);
  Report& report = receipt.Report();
  report.PreviewOptions.Maximized = false;
  bool refusedToClose = false;
  report.OnProgress = [&refusedToClose](Report*, int, int progress) {
    QWidget* window = QApplication::activeModalWidget();
    if (progress == 5) {
      window->close();
      refusedToClose = window->isVisible();
      auto* form = qobject_cast<PreviewForm*>(window);
      EXPECT_EQ(form->Control(QStringLiteral("CancelB"))->text(), QStringLiteral("Cancelar"));
      EXPECT_FALSE(form->Control(QStringLiteral("SaveB"))->isEnabled());
    }
    if (progress == 20)
      QTest::keyClick(window, Qt::Key_Escape);
  };
  int shownPages = 0;
  bool stayedOpen = false;
  report.OnProgressStop = [&](Report*, int, int) {
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<PreviewForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      stayedOpen = form->isVisible() && !form->PreviewControl().Running();
      shownPages = form->PreviewControl().PageCount();
      EXPECT_EQ(form->Control(QStringLiteral("CancelB"))->text(), QStringLiteral("Fechar"));
      EXPECT_EQ(form->StatusPanel(0).text(), QStringLiteral("Página 1 de %1").arg(shownPages));
      form->close();
    });
  };
  ShowReport(report);
  EXPECT_TRUE(refusedToClose);
  EXPECT_TRUE(stayedOpen);
  EXPECT_GE(shownPages, 20);
  EXPECT_LT(shownPages, 200);
  EXPECT_EQ(report.Preview, nullptr);
}

}  // namespace
