#pragma once

#include "app/receipt/ReceiptLayout.h"
#include "report/model/frxClass.h"
#include "report/model/frxErrors.h"

#include <QString>

#include <utility>

// The text as the application hands it to a report variable: a quoted literal.
inline QString Quoted(const QString& text)
{
  QString inner = text;
  return QLatin1Char('\'') + inner.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

// The receipt layout with its thirteen variables set as issuing sets them.
inline void FillReceipt(TfrxReport& report)
{
  BuildReceiptLayout(report, ReceiptKind::Recebimento);
  report.EngineOptions.NewSilentMode = simSilent;
  const std::pair<const char16_t*, const char16_t*> values[] = {
      {u"Empresa", u"PADARIA D'ÁVILA"},
      {u"Endereco", u"RUA DAS FLORES, 10"},
      {u"Cidade", u"(11) 5555-1234 - SÃO PAULO"},
      {u"Email_Site", u"contato@padaria.com.br"},
      {u"Informacao", u"cento e vinte e três reais"},
      {u"Valor", u"123,00"},
      {u"Cliente", u"JOÃO"},
      {u"Referente", u"PÃES"},
      {u"CPF_CNPJ", u"123.456.789-09"},
      {u"Codigo", u"N°: 0000000042"},
      {u"MD5", u"0123456789ABCDEF0123456789ABCDEF"},
      {u"CNPJ_Empresa", u"12.345.678/0001-95"},
      {u"CidadeData", u"SÃO PAULO"},
  };
  for (const auto& [name, value] : values)
    report.Variables.SetValue(QString::fromUtf16(name), Quoted(QString::fromUtf16(value)));
}
