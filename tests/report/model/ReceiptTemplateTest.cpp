#include "TestStreams.h"

#include "app/receipt/ReceiptLayout.h"
#include "app/receipt/ReceiptTemplates.h"
#include "report/model/Class.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

namespace {

class ReceiptTemplate : public testing::Test {
protected:
  void SetUp() override
  {
    BuildReceiptLayout(report, ReceiptKind::Recebimento);
    saved = SaveToBytes(report);
  }

  QList<QByteArray> Lines() const { return saved.split('\n'); }

  quitanza::report::Report report;
  QByteArray saved;
};

TEST_F(ReceiptTemplate, WritesTheTitleMemoAndTheHeaderLineByteForByte)
{
  EXPECT_TRUE(saved.contains(
      "\r\n    <TfrxMemoView Name=\"Memo1\" Left=\"548.9295\" Top=\"11.11812\" Width=\"162.51979\" "
      "Height=\"18.89765\" ShowHint=\"False\" Font.Charset=\"1\" Font.Color=\"0\" Font.Height=\"-16\" "
      "Font.Name=\"Arial\" Font.Style=\"1\" HAlign=\"haCenter\" ParentFont=\"False\" Text=\"RECIBO\"/>\r\n"));
  EXPECT_TRUE(saved.contains("\r\n    <TfrxLineView Name=\"Line1\" Left=\"7.55906\" Top=\"102.04731\" "
                             "Width=\"702.99258\" Height=\"0\" ShowHint=\"False\" Diagonal=\"True\"/>\r\n"));
}

TEST_F(ReceiptTemplate, ReportElementHoldsTheExpectedAttributesInOrder)
{
  const QByteArray header = Lines().at(0);
  EXPECT_EQ(header, "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r");
  const QByteArray root = Lines().at(1);
  QList<QByteArray> names;
  for (const QByteArray& part : root.split('"')) {
    if (part.endsWith('='))
      names.append(part.trimmed().chopped(1));
  }
  const QList<QByteArray> expected = {
      "<TfrxReport Version", "DotMatrixReport", "IniFile", "PreviewOptions.Buttons", "PreviewOptions.Zoom",
      "PrintOptions.Printer", "PrintOptions.PrintOnSheet", "ReportOptions.CreateDate",
      "ReportOptions.Description.Text", "ReportOptions.LastChange", "ScriptLanguage", "ScriptText.Text",
      "PropData"};
  EXPECT_EQ(names, expected);
  EXPECT_TRUE(root.contains(" PreviewOptions.Buttons=\"4095\" PreviewOptions.Zoom=\"1\" "
                            "PrintOptions.Printer=\"Default\" PrintOptions.PrintOnSheet=\"0\" "));
  EXPECT_TRUE(root.contains(" ScriptLanguage=\"PascalScript\" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\" "));
  EXPECT_TRUE(root.contains(
      " PropData=\"0844617461736574730100095661726961626C657301010619204E616D653D222053697374656D61222056616C75653D222200"));
  EXPECT_EQ(Lines().at(2), "  <TfrxDataPage Name=\"Data\" Height=\"1000\" Left=\"0\" Top=\"0\" Width=\"1000\"/>\r");
  EXPECT_EQ(Lines().at(3), "  <TfrxReportPage Name=\"Page1\" PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" "
                           "LeftMargin=\"10\" RightMargin=\"10\" TopMargin=\"10\" BottomMargin=\"10\" "
                           "ColumnWidth=\"0\" ColumnPositions.Text=\"\" HGuides.Text=\"\" VGuides.Text=\"\">\r");
  EXPECT_TRUE(saved.endsWith("  </TfrxReportPage>\r\n</TfrxReport>\r\n"));
}

TEST_F(ReceiptTemplate, LoadSaveLoadKeepsEveryObjectPictureAndVariable)
{
  quitanza::report::Report copy;
  LoadFromBytes(copy, saved);
  EXPECT_TRUE(copy.Errors.IsEmpty()) << copy.Errors.Text().toStdString();
  EXPECT_EQ(SaveToBytes(copy), saved);
  EXPECT_EQ(copy.AllObjects().size(), report.AllObjects().size());
  EXPECT_EQ(copy.Pages(1)->Objects().size(), 63U);
  for (const char* name : {"Picture2", "Picture4"}) {
    const auto* original = static_cast<quitanza::report::PictureView*>(report.FindObject(QString::fromLatin1(name)));
    const auto* loaded = static_cast<quitanza::report::PictureView*>(copy.FindObject(QString::fromLatin1(name)));
    EXPECT_FALSE(loaded->Picture().IsEmpty());
    EXPECT_EQ(loaded->Picture().FileData(), original->Picture().FileData());
  }
  EXPECT_TRUE(static_cast<quitanza::report::PictureView*>(copy.FindObject(QStringLiteral("Picture1")))->Picture().IsEmpty());
}

TEST_F(ReceiptTemplate, HoldsFifteenVariablesUnderSistema)
{
  quitanza::report::Report copy;
  LoadFromBytes(copy, saved);
  const QStringList expected = {QStringLiteral(" Sistema"), QStringLiteral("Empresa"),  QStringLiteral("Endereco"),
                                QStringLiteral("Cidade"),   QStringLiteral("Telefone"), QStringLiteral("Email_Site"),
                                QStringLiteral("Informacao"), QStringLiteral("Valor"),  QStringLiteral("Cliente"),
                                QStringLiteral("Referente"), QStringLiteral("CPF_CNPJ"), QStringLiteral("Codigo"),
                                QStringLiteral("MD5"), QStringLiteral("CNPJ_Empresa"), QStringLiteral("CidadeData")};
  ASSERT_EQ(copy.Variables.Count(), 15);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(copy.Variables.Items(i).Name, expected[i]);
    EXPECT_EQ(copy.Variables.Items(i).Value.toString(), QString());
    EXPECT_TRUE(copy.Variables.Items(i).Value.isValid());
  }
  EXPECT_EQ(copy.Variables.GetVariablesList(QStringLiteral("Sistema")).size(), 14);
}

TEST_F(ReceiptTemplate, SecondCopyIsTheFirstMovedDown)
{
  auto top = [this](const char* name) {
    return static_cast<double>(report.FindObject(QString::fromLatin1(name))->Top());
  };
  EXPECT_NEAR(top("Memo10") - top("Memo1"), 604.72, 0.005);
  EXPECT_NEAR(top("Memo23") - top("Memo8"), 605.95, 0.005);
  EXPECT_NEAR(static_cast<double>(report.FindObject(QStringLiteral("Memo24"))->Left()), 550.49, 0.005);
  const auto* date = static_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("Memo22")));
  EXPECT_EQ(date->DisplayFormat.Kind, quitanza::report::FormatKind::DateTime);
  EXPECT_EQ(date->DisplayFormat.FormatStr, QStringLiteral("dddd, dd \"de\" mmmm \"de\" yyyy"));
  EXPECT_EQ(static_cast<quitanza::report::ShapeView*>(report.FindObject(QStringLiteral("Shape4")))->Color, clSilver);
  EXPECT_EQ(static_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("Memo18")))->Text(),
            QStringLiteral("[CPF_CNPJ] - [Cliente]\r\n"));
}

TEST(PaymentTemplate, UsesTheSameVariablesAndNamesWordedForMoneyPaid)
{
  quitanza::report::Report received;
  quitanza::report::Report paid;
  BuildReceiptLayout(received, ReceiptKind::Recebimento);
  BuildReceiptLayout(paid, ReceiptKind::Pagamento);
  ASSERT_EQ(paid.Variables.Count(), received.Variables.Count());
  for (quitanza::report::Component* object : received.AllObjects())
    EXPECT_NE(paid.FindObject(object->Name()), nullptr) << object->Name().toStdString();
  EXPECT_EQ(static_cast<quitanza::report::MemoView*>(paid.FindObject(QStringLiteral("Memo10")))->Text(),
            QStringLiteral("RECIBO DE PAGAMENTO\r\n"));
  EXPECT_EQ(static_cast<quitanza::report::MemoView*>(paid.FindObject(QStringLiteral("Memo3")))->Text(),
            QStringLiteral("Pagamos a:\r\n"));
}

TEST(ShippedTemplates, TheBuildPutsBothBesideTheExecutableAndTheyLoadCleanly)
{
  for (ReceiptKind kind : {ReceiptKind::Recebimento, ReceiptKind::Pagamento}) {
    const QString fileName = QStringLiteral(QUITANZA_BINARY_DIR "/app/") + ReceiptTemplateFileName(kind);
    ASSERT_TRUE(QFile::exists(fileName)) << fileName.toStdString();
    quitanza::report::Report report;
    Silence(report);
    EXPECT_TRUE(report.LoadFromFile(fileName));
    EXPECT_TRUE(report.Errors.IsEmpty());
    EXPECT_EQ(report.FileName, fileName);
    EXPECT_NE(report.FindObject(QStringLiteral("picture3")), nullptr);

    const QString again = QStringLiteral(QUITANZA_BINARY_DIR "/receipt_template_test.fr3");
    SaveReceiptTemplate(kind, again);
    QFile shipped(fileName), regenerated(again);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && regenerated.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll(), regenerated.readAll());
    QFile::remove(again);
  }
}

}  // namespace
