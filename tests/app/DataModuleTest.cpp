#include "app/DataModule.h"
#include "report/model/PictureView.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <stdexcept>

using namespace quitanza::doclib;
using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

using DataModuleTest = WorkflowTest;

namespace {

std::string CreationError(const QString& folder)
{
  try {
    DataModule dm(folder);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "created";
}

}  // namespace

TEST_F(DataModuleTest, FieldObjectsNameAndLabelTheRegistersFields)
{
  const RegisterField* fields[] = {&Dm->cdsRegCliente, &Dm->cdsRegCNPJ,   &Dm->cdsRegValor,       &Dm->cdsRegReferente,
                                    &Dm->cdsRegTipo,    &Dm->cdsRegCodigo, &Dm->cdsRegAutenticacao};
  QStringList names;
  QStringList labels;
  for (const RegisterField* field : fields) {
    names << field->FieldName().toString();
    labels << field->DisplayLabel();
  }
  EXPECT_EQ(names.join(u','), QStringLiteral("Cliente,CNPJ,Valor,Referente,Tipo,Codigo,Autenticacao"));
  EXPECT_EQ(labels.join(u','), QStringLiteral("Cliente:,CPF/CNPJ:,Valor:,Referente:,Tipo:,Codigo,Autenticacao"));
  EXPECT_EQ(Dm->cdsRegCliente.Size(), 200);
  EXPECT_EQ(Dm->cdsRegValor.DataType(), FieldType::Currency);
}

TEST_F(DataModuleTest, FieldObjectsFillTheInsertedRowAndReadTheCurrentOne)
{
  Dm->cdsReg.Insert();
  Dm->cdsRegCliente.SetAsString(QString(250, u'Ç'));
  Dm->cdsRegValor.SetAsCurrency(Amount::FromBrazilianText(QStringLiteral("1.500,00")));
  Dm->cdsRegTipo.SetAsInteger(1);
  Dm->cdsReg.Post();
  EXPECT_EQ(Dm->cdsRegCliente.AsString(), QString(200, u'Ç'));
  EXPECT_EQ(Dm->cdsRegValor.AsCurrency(), Amount::FromTicks(15000000));
  EXPECT_EQ(Dm->cdsRegValor.AsString(), QStringLiteral("1500"));
  EXPECT_EQ(Dm->cdsRegTipo.AsInteger(), 1);
}

TEST_F(DataModuleTest, TheDataFolderIsOneProcessesAtATime)
{
  const QString inUse =
    QStringLiteral(u"Os dados em %1 estão em uso por outro processo do Quitanza.").arg(QDir(m_folder.path()).absolutePath());
  EXPECT_EQ(CreationError(m_folder.path()), inUse.toStdString());
  Dm.reset();
  EXPECT_EQ(CreationError(m_folder.path()), "created");
}

TEST_F(DataModuleTest, AMissingDataFolderIsNamed)
{
  const QString missing = PathOf(QStringLiteral("nao-existe"));
  EXPECT_EQ(CreationError(missing), QStringLiteral(u"A pasta de dados %1 não existe.").arg(missing).toStdString());
}

TEST_F(DataModuleTest, FilesOfTheDataFolder)
{
  EXPECT_EQ(Dm->FilePath(DataModule::RegisterFileName), RegisterPath());
  EXPECT_EQ(Dm->Settings().FileName(), SettingsPath());
}

TEST_F(DataModuleTest, TheReportHoldsTheReceiptLayoutFromCreation)
{
  EXPECT_NE(Dm->frxReport.FindObject(QStringLiteral("Picture3")), nullptr);
  EXPECT_NE(Dm->frxReport.FindObject(QStringLiteral("Memo28")), nullptr);
  EXPECT_GE(Dm->frxReport.Variables.IndexOf(QStringLiteral("CNPJ_Empresa")), 0);
  EXPECT_TRUE(Dm->fImagem.isEmpty());
}

TEST_F(DataModuleTest, ThePdfExportHasTheReceiptsStoredSettings)
{
  const PDFExport& pdf = Dm->frxPDFExport;
  EXPECT_TRUE(pdf.Compressed);
  EXPECT_FALSE(pdf.EmbeddedFonts);
  EXPECT_FALSE(pdf.Outline);
  EXPECT_FALSE(pdf.Background);
  EXPECT_TRUE(pdf.HTMLTags);
  EXPECT_EQ(pdf.Quality, 95);
  EXPECT_EQ(pdf.Author, QStringLiteral("Pellwick"));
  EXPECT_EQ(pdf.Subject, QStringLiteral("Pellwick PDF export"));
  EXPECT_EQ(pdf.ProtectionFlags, AllPDFEncBits);
  EXPECT_TRUE(pdf.UseFileCache);
  EXPECT_TRUE(pdf.ShowProgress);
  EXPECT_FALSE(pdf.OverwritePrompt);
}

TEST_F(DataModuleTest, TemplatesComeFromTheDataFolderWhenItHasThem)
{
  const QString beside = QStringLiteral(QUITANZA_BINARY_DIR "/app/Recibo.fr3");
  EXPECT_EQ(Dm->TemplatePath(u"Recibo.fr3"), beside);

  Report own;
  ASSERT_TRUE(own.LoadFromFile(beside));
  own.FindObject(QStringLiteral("Memo1"))->SetName(QStringLiteral("Titulo"));
  own.SaveToFile(PathOf(QStringLiteral("Recibo.fr3")));
  EXPECT_EQ(Dm->TemplatePath(u"Recibo.fr3"), PathOf(QStringLiteral("Recibo.fr3")));
  Dm->LoadReceiptTemplate(0);
  EXPECT_NE(Dm->frxReport.FindObject(QStringLiteral("Titulo")), nullptr);
  Dm->LoadReceiptTemplate(1);
  EXPECT_NE(Dm->frxReport.FindObject(QStringLiteral("Memo1")), nullptr);
}

TEST_F(DataModuleTest, AMissingTemplateLeavesTheReportEmptyAndAnUnknownTypeIsRefused)
{
  const QTemporaryDir noTemplates;
  const QTemporaryDir data;
  DataModule dm(data.path(), noTemplates.path());
  dm.LoadReceiptTemplate(1);
  EXPECT_EQ(dm.frxReport.FindObject(QStringLiteral("Memo1")), nullptr);
  EXPECT_THROW(dm.LoadReceiptTemplate(2), std::runtime_error);
}

TEST_F(DataModuleTest, BeforePrintPutsAnExistingLogoIntoBothCopiesOnly)
{
  const auto logoWidth = [&](const QString& name) {
    return static_cast<const PictureView*>(Dm->frxReport.FindObject(name))->Picture().Width();
  };
  Dm->fImagem = PathOf(QStringLiteral("nao-existe.png"));
  Dm->frxReportBeforePrint(nullptr);
  EXPECT_EQ(logoWidth(QStringLiteral("Picture1")), 0);

  Dm->fImagem = WriteLogo();
  Dm->frxReportBeforePrint(nullptr);
  for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
    EXPECT_EQ(logoWidth(name), 40) << name.toStdString();
    EXPECT_NEAR(static_cast<double>(Dm->frxReport.FindObject(name)->Width()), 143.62, 1e-9);
  }
  EXPECT_EQ(logoWidth(QStringLiteral("Picture2")), 44);  // the maker's own

  // A logo replaced while the program runs is printed from the new file by
  // the next preparation.
  ASSERT_TRUE(QImage(60, 20, QImage::Format_RGB32).save(Dm->fImagem));
  Dm->frxReportBeforePrint(nullptr);
  EXPECT_EQ(logoWidth(QStringLiteral("Picture3")), 40);
  Dm->frxReport.OnBeginDoc(&Dm->frxReport);  // as a preparation starts
  Dm->frxReportBeforePrint(nullptr);
  EXPECT_EQ(logoWidth(QStringLiteral("Picture3")), 60);
}
