#include "tests/support/IssuedReceipt.h"

#include "app/TextFunctions.h"
#include "app/receipt/ReceiptLayout.h"
#include "report/model/Class.h"
#include "report/model/PreviewPages.h"

#include <QHash>

#include <stdexcept>
#include <vector>

using namespace quitanza::platform;
using namespace quitanza::report;
using namespace quitanza::app;

namespace {

const QHash<QString, QString>& ReceiptTexts()
{
  static const QHash<QString, QString> texts = {
      {QStringLiteral("Empresa"), QStringLiteral(u"PAPELARIA SÃO JOSÉ LTDA")},
      {QStringLiteral("CNPJ_Empresa"), QStringLiteral("11.222.333/0001-81")},
      {QStringLiteral("Endereco"), QStringLiteral("Rua Tiradentes, 1250, Centro")},
      {QStringLiteral("Cidade"), QStringLiteral("Fone: (16) 3722-4455 / Franca - SP")},
      {QStringLiteral("Email_Site"), QStringLiteral("contato@papelariasaojose.com.br / www.papelariasaojose.com.br")},
      {QStringLiteral("Codigo"), QStringLiteral(u"N°: 0000000042")},
      {QStringLiteral("Valor"), QStringLiteral("1.234,56")},
      {QStringLiteral("CPF_CNPJ"), QStringLiteral("123.456.789-09")},
      {QStringLiteral("Cliente"), QStringLiteral(u"JOÃO D'ÁVILA")},
      {QStringLiteral("Informacao"),
       QStringLiteral("UM MIL, DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS")},
      {QStringLiteral("Referente"),
       QStringLiteral(u"Fornecimento de material escolar para o ano letivo de 2013, conforme pedido n° 381 "
                      u"de 28/08/2013: cadernos, lápis, canetas, borrachas, réguas e mochilas, com entrega "
                      u"na sede da escola e montagem dos kits por aluno.")},
      {QStringLiteral("MD5"), QStringLiteral("6F1ED002AB5595859014EBF0951522D9")},
      {QStringLiteral("CidadeData"), QStringLiteral("Franca")},
  };
  return texts;
}

quitanza::report::PictureView& PictureNamed(quitanza::report::Report& report, const QString& name)
{
  return *static_cast<quitanza::report::PictureView*>(report.FindObject(name));
}

}  // namespace

QString ReceiptText(const QString& variable)
{
  if (!ReceiptTexts().contains(variable))
    throw std::invalid_argument("no receipt variable " + variable.toStdString());
  return ReceiptTexts().value(variable);
}

void FillReceipt(quitanza::report::Report& report)
{
  BuildReceiptLayout(report, ReceiptKind::Recebimento);
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  for (auto text = ReceiptTexts().cbegin(); text != ReceiptTexts().cend(); ++text)
    report.Variables.SetValue(text.key(), QuotedStr(text.value()));
}

IssuedReceipt::IssuedReceipt(const IssuedReceiptOptions& options)
{
  FillReceipt(m_report);
  m_report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  auto* page = static_cast<quitanza::report::ReportPage*>(m_report.FindObject(QStringLiteral("Page1")));
  page->SetPageCount(options.Pages);
  if (!options.Pictures) {
    for (quitanza::report::Component* object : std::vector<quitanza::report::Component*>(page->Objects()))
      if (dynamic_cast<quitanza::report::PictureView*>(object))
        delete object;
  } else if (options.Logo) {
    for (const QString& name : {QStringLiteral("Picture1"), QStringLiteral("Picture3")}) {
      quitanza::report::PictureView& logo = PictureNamed(m_report, name);
      logo.SetHeight(83.15L);
      logo.SetWidth(143.62L);
      logo.LoadPictureFromFile(QStringLiteral(QUITANZA_TEST_DATA "/draw/logo.png"));
    }
  }
  if (options.IssueDate.isValid()) {
    // The long date is printed; a fixed day keeps the page the same every day.
    m_report.SystemVariables.removeAll(QStringLiteral("Date"));
    m_report.OnGetValue = [date = options.IssueDate](const QString& name) {
      return name.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0 ? QVariant(date) : QVariant();
    };
  }
  if (!m_report.PrepareReport())
    throw std::runtime_error("the receipt could not be prepared");
}

quitanza::report::PreviewPages& IssuedReceipt::Pages()
{
  return m_report.PreviewPages();
}
