#include "report/preview/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <stdexcept>

namespace quitanza::report {

namespace {

// Where the libraries build their compiled translations into the program.
const QString kTranslationFolder = QStringLiteral(":/i18n");

void Install(QCoreApplication& application, const QString& name, const QString& folder)
{
  auto* translator = new QTranslator(&application);
  if (!translator->load(name, folder)) {
    delete translator;
    throw std::runtime_error(
        QStringLiteral(u"A tradução %1 não foi encontrada em %2.").arg(name, folder).toStdString());
  }
  QCoreApplication::installTranslator(translator);
}

}  // namespace

void InstallTranslations(QCoreApplication& application)
{
  // Each library that has windows adds its own file, so this finds them all.
  const QStringList files =
      QDir(kTranslationFolder).entryList({QStringLiteral("*_pt_BR.qm")}, QDir::Files, QDir::Name);
  if (files.isEmpty())
    throw std::runtime_error(QStringLiteral(u"Nenhuma tradução em %1.").arg(kTranslationFolder).toStdString());
  for (const QString& file : files)
    Install(application, file, kTranslationFolder);
}

}  // namespace quitanza::report
