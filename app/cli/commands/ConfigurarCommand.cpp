#include "app/ConfiguracaoWorkflow.h"
#include "app/DataModule.h"
#include "app/EntryFields.h"
#include "app/cli/Command.h"
#include "app/cli/CommandLineUserInterface.h"
#include "doclib/InvalidInputError.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <functional>
#include <memory>

namespace quitanza::app {

using namespace doclib;
using namespace platform;
using namespace report;

namespace {

using TypedToStored = std::function<QString(const QString& typed)>;

QString Unchanged(const QString& typed)
{
  return typed;
}

TypedToStored Validated(EditSettings (*field)())
{
  return [field](const QString& typed) { return TextAsLeft(field(), typed); };
}

// As the picture dialog puts it into edtImagem: the full path of a picture
// the program can read. The empty text takes the logo away.
QString PicturePath(const QString& typed)
{
  if (typed.isEmpty())
    return typed;
  const QString path = QFileInfo(typed).absoluteFilePath();
  QImageReader reader(path);
  if (!reader.canRead())
    throw InvalidInputError(QStringLiteral("A imagem %1 não pode ser lida: %2").arg(path, reader.errorString()));
  return path;
}

struct SettingOption {
  QString option;
  QStringView key;
  QString valueName;
  QString description;
  TypedToStored textAsLeft;  // what the configuration window's field makes of the typed text
};

const QList<SettingOption>& SettingOptions()
{
  static const QList<SettingOption> table{
    {QStringLiteral("empresa"), u"EMPRESA", QStringLiteral("TEXTO"), QStringLiteral("Nome do emitente."), Unchanged},
    {QStringLiteral("endereco"), u"ENDERECO", QStringLiteral("TEXTO"), QStringLiteral("Endereço."), Unchanged},
    {QStringLiteral("bairro"), u"BAIRRO", QStringLiteral("TEXTO"), QStringLiteral("Bairro."), Unchanged},
    {QStringLiteral("cidade"), u"CIDADE", QStringLiteral("TEXTO"), QStringLiteral("Cidade."), Unchanged},
    {QStringLiteral("cpf-cnpj"), u"CFP_CNPJ", QStringLiteral("DOC"),
     QStringLiteral("CPF ou CNPJ do emitente, verificado e pontuado."), Validated(CpfCnpjField)},
    {QStringLiteral("telefone"), u"TELEFONE", QStringLiteral("FONE"),
     QStringLiteral("Telefone com DDD, verificado e pontuado."), Validated(TelefoneField)},
    {QStringLiteral("email"), u"EMAIL", QStringLiteral("EMAIL"), QStringLiteral("E-mail, verificado."),
     Validated(EmailField)},
    {QStringLiteral("site"), u"SITE", QStringLiteral("URL"), QStringLiteral("Site, verificado."), Validated(SiteField)},
    {QStringLiteral("logo"), u"LOGO", QStringLiteral("ARQ"),
     QStringLiteral("Imagem da logomarca (vazio: sem logomarca)."), PicturePath},
  };
  return table;
}

QString& MemberFor(IssuerSettings& values, QStringView key)
{
  for (const IssuerKey& issuerKey : IssuerKeys) {
    if (issuerKey.Name == key)
      return values.*issuerKey.Member;
  }
  throw std::logic_error("no issuer key " + key.toString().toStdString());
}

void PrintSettings(const IssuerSettings& values, QTextStream& out)
{
  for (const IssuerKey& key : IssuerKeys)
    out << key.Name << u'=' << values.*key.Member << u'\n';
}

// quitanza configurar [--empresa T] ... [--logo ARQ]: what Salvar of the
// configuration window writes, for the options given only.
class ConfigurarCommand final : public Command {
public:
  QString Name() const override { return QStringLiteral("configurar"); }
  QString Summary() const override
  {
    return QStringLiteral("Grava os dados do emitente passados nas opções, cada um verificado e pontuado como o "
                          "programa o guarda; sem opções, mostra os dados gravados.");
  }
  QList<PositionalArgument> PositionalArguments() const override { return {}; }

  QList<QCommandLineOption> Options() const override
  {
    QList<QCommandLineOption> options;
    for (const SettingOption& setting : SettingOptions())
      options << QCommandLineOption(setting.option, setting.description, setting.valueName);
    return options;
  }

  // Without options it only shows the stored settings.
  DataFolderUse DataUse(const QCommandLineParser& parser) const override
  {
    const auto& settings = SettingOptions();
    return std::any_of(settings.begin(), settings.end(),
                       [&parser](const SettingOption& setting) { return parser.isSet(setting.option); })
               ? DataFolderUse::Writes
               : DataFolderUse::Reads;
  }

  void Run(const CommandInvocation& invocation) const override
  {
    IssuerSettings values;
    QStringList keys;
    for (const SettingOption& setting : SettingOptions()) {
      if (invocation.Parser.isSet(setting.option)) {
        MemberFor(values, setting.key) = setting.textAsLeft(invocation.Parser.value(setting.option));
        keys << setting.key.toString();
      }
    }

    DataModule dm(invocation.DataDirectory, {}, keys.isEmpty() ? DataAccess::Reading : DataAccess::Writing, ReportStart::Empty);
    CommandLineUserInterface ui(invocation.Out, invocation.Err, false);
    ConfiguracaoWorkflow configuracao(dm, ui);
    if (keys.isEmpty()) {
      const IssuerSettings stored = configuracao.FormShow();
      ui.ThrowIfStopped();
      PrintSettings(stored, invocation.Out);
      return;
    }
    configuracao.BitBtn2Click(values, keys);
    ui.ThrowIfStopped();
  }
};

}  // namespace

std::unique_ptr<Command> CreateConfigurarCommand()
{
  return std::make_unique<ConfigurarCommand>();
}

}  // namespace quitanza::app
