#include "app/uDm.h"
#include "tests/app/WorkflowTestSupport.h"
#include "tests/doclib/PrintQString.h"

#include <QDir>

#include <stdexcept>

using DataModuleTest = TWorkflowTest;

namespace {

std::string CreationError(const QString& folder)
{
  try {
    TDm dm(folder);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "created";
}

}  // namespace

TEST_F(DataModuleTest, FieldObjectsNameAndLabelTheRegistersFields)
{
  const TRegisterField* fields[] = {&Dm->cdsRegCliente, &Dm->cdsRegCNPJ,   &Dm->cdsRegValor,       &Dm->cdsRegReferente,
                                    &Dm->cdsRegTipo,    &Dm->cdsRegCodigo, &Dm->cdsRegAutenticacao};
  QStringList names;
  QStringList labels;
  for (const TRegisterField* field : fields) {
    names << field->FieldName().toString();
    labels << field->DisplayLabel();
  }
  EXPECT_EQ(names.join(u','), QStringLiteral("Cliente,CNPJ,Valor,Referente,Tipo,Codigo,Autenticacao"));
  EXPECT_EQ(labels.join(u','), QStringLiteral("Cliente:,CPF/CNPJ:,Valor:,Referente:,Tipo:,Codigo,Autenticacao"));
  EXPECT_EQ(Dm->cdsRegCliente.Size(), 200);
  EXPECT_EQ(Dm->cdsRegValor.DataType(), ftCurrency);
}

TEST_F(DataModuleTest, FieldObjectsFillTheInsertedRowAndReadTheCurrentOne)
{
  Dm->cdsReg.Insert();
  Dm->cdsRegCliente.SetAsString(QString(250, u'Ç'));
  Dm->cdsRegValor.SetAsCurrency(Amount::fromBrazilianText(QStringLiteral("1.500,00")));
  Dm->cdsRegTipo.SetAsInteger(1);
  Dm->cdsReg.Post();
  EXPECT_EQ(Dm->cdsRegCliente.AsString(), QString(200, u'Ç'));
  EXPECT_EQ(Dm->cdsRegValor.AsCurrency(), Amount::fromTicks(15000000));
  EXPECT_EQ(Dm->cdsRegValor.AsString(), QStringLiteral("1500"));
  EXPECT_EQ(Dm->cdsRegTipo.AsInteger(), 1);
}

TEST_F(DataModuleTest, TheDataFolderIsOneProcessesAtATime)
{
  const QString inUse =
    QStringLiteral(u"Os dados em %1 estão em uso por outro processo do Quitanza.").arg(QDir(FFolder.path()).absolutePath());
  EXPECT_EQ(CreationError(FFolder.path()), inUse.toStdString());
  Dm.reset();
  EXPECT_EQ(CreationError(FFolder.path()), "created");
}

TEST_F(DataModuleTest, AMissingDataFolderIsNamed)
{
  const QString missing = PathOf(QStringLiteral("nao-existe"));
  EXPECT_EQ(CreationError(missing), QStringLiteral(u"A pasta de dados %1 não existe.").arg(missing).toStdString());
}

TEST_F(DataModuleTest, FilesOfTheDataFolder)
{
  EXPECT_EQ(Dm->FilePath(TDm::RegisterFileName), RegisterPath());
  EXPECT_EQ(Dm->Settings().FileName(), SettingsPath());
}
