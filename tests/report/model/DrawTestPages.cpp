#include "DrawTestPages.h"

#include "app/receipt/ReceiptLayout.h"
#include "report/model/frxClass.h"

#include <QHash>

namespace {

void SetA4WithMargins(TfrxReportPage& page)
{
  page.SetPaperSize(9);
  page.LeftMargin = page.RightMargin = page.TopMargin = page.BottomMargin = 10;
}

// Memo texts of both copies after expansion, by the first copy's names.
const QHash<QString, QString>& IssuedTexts()
{
  static const QHash<QString, QString> texts = {
      {QStringLiteral("Empresa"), QStringLiteral("PAPELARIA SÃO JOSÉ LTDA")},
      {QStringLiteral("CPF_CNPJ"), QStringLiteral("11.222.333/0001-81")},
      {QStringLiteral("Endereco"), QStringLiteral("Rua Tiradentes, 1250,Centro")},
      {QStringLiteral("Cidade"), QStringLiteral("Fone: (16) 3722-4455 / Franca - SP")},
      {QStringLiteral("Email_Site"), QStringLiteral("contato@papelariasaojose.com.br / www.papelariasaojose.com.br")},
      {QStringLiteral("Codigo"), QStringLiteral("N°: 0000000042")},
      {QStringLiteral("Valor"), QStringLiteral("1.234,56")},
      {QStringLiteral("Cliente"), QStringLiteral("123.456.789-09 - JOÃO D'ÁVILA")},
      {QStringLiteral("Informacao"),
       QStringLiteral("UM MIL, DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS")},
      {QStringLiteral("Referente"),
       QStringLiteral("Fornecimento de material escolar para o ano letivo de 2013, conforme pedido n° 381 "
                      "de 28/08/2013: cadernos, lápis, canetas, borrachas, réguas e mochilas, com entrega "
                      "na sede da escola e montagem dos kits por aluno.")},
      {QStringLiteral("Date"), QStringLiteral("Franca , segunda-feira, 02 de setembro de 2013")},
      {QStringLiteral("MD5"), QStringLiteral("Autenticação: 6F1ED002AB5595859014EBF0951522D9")},
  };
  return texts;
}

const QHash<QString, QString>& SecondCopyNames()
{
  static const QHash<QString, QString> names = {
      {QStringLiteral("Memo12"), QStringLiteral("Empresa")},  {QStringLiteral("Memo19"), QStringLiteral("CPF_CNPJ")},
      {QStringLiteral("Memo13"), QStringLiteral("Endereco")}, {QStringLiteral("Memo14"), QStringLiteral("Cidade")},
      {QStringLiteral("Memo15"), QStringLiteral("Email_Site")}, {QStringLiteral("Memo24"), QStringLiteral("Codigo")},
      {QStringLiteral("Memo20"), QStringLiteral("Valor")},    {QStringLiteral("Memo18"), QStringLiteral("Cliente")},
      {QStringLiteral("Memo27"), QStringLiteral("Informacao")}, {QStringLiteral("Memo17"), QStringLiteral("Referente")},
      {QStringLiteral("Memo22"), QStringLiteral("Date")},     {QStringLiteral("Memo28"), QStringLiteral("MD5")},
  };
  return names;
}

}  // namespace

TestPage::TestPage() : FBand(new TfrxNullBand(&FPage))
{
  SetA4WithMargins(FPage);
}

IssuedReceipt::IssuedReceipt()
{
  BuildReceiptLayout(FReport, ReceiptKind::Recebimento);
  FPage = static_cast<TfrxReportPage*>(FReport.FindObject(QStringLiteral("Page1")));
  auto* band = new TfrxNullBand(FPage);
  for (TfrxComponent* object : std::vector<TfrxComponent*>(FPage->Objects()))
    if (object != band)
      object->SetParent(band);

  for (TfrxComponent* object : band->Objects()) {
    auto* memo = dynamic_cast<TfrxMemoView*>(object);
    if (!memo)
      continue;
    const QString name = SecondCopyNames().value(memo->Name(), memo->Name());
    if (IssuedTexts().contains(name))
      memo->SetText(IssuedTexts().value(name));
  }
  for (QStringView name : {u"Picture1", u"Picture3"}) {
    auto* picture = static_cast<TfrxPictureView*>(FReport.FindObject(name.toString()));
    picture->SetHeight(83.15L);
    picture->SetWidth(143.62L);
    picture->LoadPictureFromFile(QStringLiteral(QUITANZA_TEST_DATA "/draw/logo.png"));
  }
}

TfrxReportPage* TestPreviewPages::GetPage(int index)
{
  return index >= 0 && index < Count() ? FPages[static_cast<std::size_t>(index)] : nullptr;
}

QSize TestPreviewPages::GetPageSize(int index)
{
  const TfrxReportPage* page = GetPage(index);
  return page ? QSize(static_cast<int>(page->Width()), static_cast<int>(page->Height())) : QSize();
}
