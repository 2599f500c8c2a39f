// Build step: writes manual.pdf into the folder given as the only argument
// (the folder of the quitanza executable), with pictures of the windows as
// this build draws them.
#include "app/DataModule.h"
#include "app/IssuerSettings.h"
#include "app/manual/ManualLayout.h"
#include "app/windows/AutenticarWindow.h"
#include "app/windows/ConfiguracaoWindow.h"
#include "app/windows/ConsultaWindow.h"
#include "app/windows/PrincipalWindow.h"
#include "app/windows/WindowLook.h"
#include "report/model/PreviewPages.h"
#include "report/output/ExportPDFFile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <stdexcept>

using namespace quitanza::app;
using namespace quitanza::report;

namespace {

// A data folder with a configured issuer and two receipts, for the pictures.
void FillExampleData(DataModule& dm)
{
  const quitanza::platform::IniFile settings = dm.Settings();
  settings.WriteString(IssuerSection, u"EMPRESA", QStringLiteral(u"Padaria São João"));
  settings.WriteString(IssuerSection, u"CFP_CNPJ", QStringLiteral("11.222.333/0001-81"));
  const QList<std::pair<QString, qint64>> receipts = {{QStringLiteral("MARIA DA SILVA"), 150},
                                                      {QStringLiteral(u"JOSÉ DE SOUZA"), 1500}};
  for (const auto& [cliente, reais] : receipts) {
    dm.cdsReg.Insert();
    dm.cdsRegCliente.SetAsString(cliente);
    dm.cdsRegCNPJ.SetAsString(QStringLiteral("111.444.777-35"));
    dm.cdsRegValor.SetAsCurrency(quitanza::doclib::Amount::FromTicks(reais * 10000));
    dm.cdsReg.Post();
  }
}

template <typename Window>
QImage Grab(DataModule& dm)
{
  const WindowServices services{[](Report&, QWidget*) {}, [](const QUrl&) {}};
  Window window(dm, services);
  window.show();
  return window.grab().toImage();
}

QImage WindowPicture(DataModule& dm, const QString& name)
{
  if (name == u"frmPrincipal")
    return Grab<PrincipalWindow>(dm);
  if (name == u"frmConfiguracao")
    return Grab<ConfiguracaoWindow>(dm);
  if (name == u"frmConsultar")
    return Grab<ConsultaWindow>(dm);
  if (name == u"frmAutenticar")
    return Grab<AutenticarWindow>(dm);
  throw std::invalid_argument("no window named " + name.toStdString());
}

}  // namespace

int main(int argc, char* argv[])
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  // Drawn without a display, at twice the pixels for a sharp print unless
  // the environment asks for another scale.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
    qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  ApplyLook(application);
  try {
    const QTemporaryDir data;
    DataModule dm(data.path(), QString());
    FillExampleData(dm);
    Report manual;
    BuildManual(manual, ManualText(), [&](const QString& window) { return WindowPicture(dm, window); });
    manual.PrepareReport(true);
    PDFFileSettings settings;
    settings.EmbeddedFonts = true;
    ExportPDFFile(manual.PreviewPages(), QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("manual.pdf")),
                  settings);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
