#include "MemoryPreviewPages.h"

#include "app/receipt/ReceiptLayout.h"
#include "report/model/frxClass.h"

#include <QRegularExpression>

TfrxBand& MemoryPreviewPages::AddPage() {
  auto& page = FPages.emplace_back(std::make_unique<TfrxReportPage>());
  page->SetPaperSize(9);
  page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;
  return *new TfrxNullBand(page.get());
}

TfrxReportPage* MemoryPreviewPages::GetPage(int index) {
  return index >= 0 && index < Count() ? FPages[std::size_t(index)].get() : nullptr;
}

QSize MemoryPreviewPages::GetPageSize(int index) {
  const TfrxReportPage* page = GetPage(index);
  return page ? QSize(int(page->Width()), int(page->Height())) : QSize();
}

QString ReceiptVariable(const QString& name) {
  static const QMap<QString, QString> values{
      {QStringLiteral("Empresa"), QStringLiteral(u"PADARIA AÇÚCAR & CIA")},
      {QStringLiteral("CNPJ_Empresa"), QStringLiteral("12.345.678/0001-95")},
      {QStringLiteral("Endereco"), QStringLiteral(u"Rua São João, 123 - Centro")},
      {QStringLiteral("Cidade"), QStringLiteral(u"(11) 3333-4444 - São Paulo/SP")},
      {QStringLiteral("Email_Site"), QStringLiteral("contato@padaria.com.br - www.padaria.com.br")},
      {QStringLiteral("Informacao"),
       QStringLiteral("Mil duzentos e trinta e quatro reais e cinquenta e seis centavos")},
      {QStringLiteral("Valor"), QStringLiteral("1.234,56")},
      {QStringLiteral("Cliente"), QStringLiteral(u"JOÃO D'ÁVILA")},
      {QStringLiteral("CPF_CNPJ"), QStringLiteral("123.456.789-09")},
      {QStringLiteral("Referente"), QStringLiteral(u"Fornecimento de pães, café e açúcar para o evento de fim de ano "
                                                   u"da associação dos moradores do bairro")},
      {QStringLiteral("Codigo"), QStringLiteral(u"N°: 0000000042")},
      {QStringLiteral("MD5"), QStringLiteral("9E107D9D372BB6826BD81D3542A419D6")},
      {QStringLiteral("CidadeData"), QStringLiteral(u"São Paulo")},
      {QStringLiteral("Date"), QStringLiteral(u"quinta-feira, 10 de dezembro de 2026")},
  };
  return values.value(name);
}

void AddReceiptPage(MemoryPreviewPages& pages) {
  static TfrxReport* layout = [] {
    auto* report = new TfrxReport;
    BuildReceiptLayout(*report, ReceiptKind::Recebimento);
    return report;
  }();
  static const QRegularExpression variable(QStringLiteral("\\[([A-Za-z0-9_]+)\\]"));
  TfrxBand& band = pages.AddPage();
  auto* source = static_cast<TfrxReportPage*>(layout->FindObject(QStringLiteral("Page1")));
  for (TfrxComponent* object : source->Objects()) {
    TfrxComponent* copy = frxFindClass(object->ClassName())(&band);
    copy->AssignAll(*object);
    if (auto* memo = dynamic_cast<TfrxMemoView*>(copy)) {
      QString text = memo->Text();
      for (const QRegularExpressionMatch& match : variable.globalMatch(memo->Text()))
        text.replace(match.captured(0), ReceiptVariable(match.captured(1)));
      memo->SetText(text);
    }
  }
}
