#pragma once

#include "doclib/Amount.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <variant>

// One issued receipt: one row of the register.
struct TReceiptRecord {
  QString Cliente;
  QString CNPJ;
  quitanza::doclib::Amount Valor;
  QString Referente;
  std::int32_t Tipo = 0;  // 0 = Recebimento, 1 = Pagamento
  std::int32_t Codigo = 0;
  QString Autenticacao;
  QDateTime Data;  // when it was issued; null for receipts stored before dates were kept

  bool operator==(const TReceiptRecord&) const = default;
};

enum TFieldType { ftString, ftCurrency, ftMemo, ftInteger, ftDateTime };

using TTextMember = QString TReceiptRecord::*;
using TCurrencyMember = quitanza::doclib::Amount TReceiptRecord::*;
using TIntegerMember = std::int32_t TReceiptRecord::*;
using TDateTimeMember = QDateTime TReceiptRecord::*;

// A field of the register: its name, type, size (characters, for ftString),
// the label lists show for it and where a record holds it.
struct TFieldDef {
  QStringView Name;
  TFieldType DataType;
  int Size;
  QStringView DisplayLabel;  // empty: lists show the name
  std::variant<TTextMember, TCurrencyMember, TIntegerMember, TDateTimeMember> Member;
  // Added after registers were first written: files without it still load,
  // and a row may leave it empty (null).
  bool MayBeMissing = false;
};

// The fields, in register order.
inline constexpr std::array<TFieldDef, 8> ReceiptFields = {{
  {u"Cliente", ftString, 200, u"Cliente:", &TReceiptRecord::Cliente},
  {u"CNPJ", ftString, 20, u"CPF/CNPJ:", &TReceiptRecord::CNPJ},
  {u"Valor", ftCurrency, 0, u"Valor:", &TReceiptRecord::Valor},
  {u"Referente", ftMemo, 0, u"Referente:", &TReceiptRecord::Referente},
  {u"Tipo", ftInteger, 0, u"Tipo:", &TReceiptRecord::Tipo},
  {u"Codigo", ftInteger, 0, u"", &TReceiptRecord::Codigo},
  {u"Autenticacao", ftString, 500, u"", &TReceiptRecord::Autenticacao},
  {u"Data", ftDateTime, 0, u"Data:", &TReceiptRecord::Data, true},
}};
