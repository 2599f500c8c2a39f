#pragma once

#include "doclib/Amount.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <variant>

namespace quitanza::platform {

// One issued receipt: one row of the register.
struct ReceiptRecord {
  QString Cliente;
  QString CNPJ;
  doclib::Amount Valor;
  QString Referente;
  std::int32_t Tipo = 0;  // 0 = Recebimento, 1 = Pagamento
  std::int32_t Codigo = 0;
  QString Autenticacao;
  QDateTime Data;  // when it was issued; null for receipts stored before dates were kept

  bool operator==(const ReceiptRecord&) const = default;
};

enum class FieldType { String, Currency, Memo, Integer, DateTime };

using TextMember = QString ReceiptRecord::*;
using CurrencyMember = doclib::Amount ReceiptRecord::*;
using IntegerMember = std::int32_t ReceiptRecord::*;
using DateTimeMember = QDateTime ReceiptRecord::*;

// A field of the register: its name, type, size (characters, for String),
// the label lists show for it and where a record holds it.
struct FieldDef {
  QStringView Name;
  platform::FieldType DataType;
  int Size;
  QStringView DisplayLabel;  // empty: lists show the name
  std::variant<TextMember, CurrencyMember, IntegerMember, DateTimeMember> Member;
  // Added after registers were first written: files without it still load,
  // and a row may leave it empty (null).
  bool MayBeMissing = false;
};

// The fields, in register order.
inline constexpr std::array<FieldDef, 8> ReceiptFields = {{
  {u"Cliente", FieldType::String, 200, u"Cliente:", &ReceiptRecord::Cliente},
  {u"CNPJ", FieldType::String, 20, u"CPF/CNPJ:", &ReceiptRecord::CNPJ},
  {u"Valor", FieldType::Currency, 0, u"Valor:", &ReceiptRecord::Valor},
  {u"Referente", FieldType::Memo, 0, u"Referente:", &ReceiptRecord::Referente},
  {u"Tipo", FieldType::Integer, 0, u"Tipo:", &ReceiptRecord::Tipo},
  {u"Codigo", FieldType::Integer, 0, u"", &ReceiptRecord::Codigo},
  {u"Autenticacao", FieldType::String, 500, u"", &ReceiptRecord::Autenticacao},
  {u"Data", FieldType::DateTime, 0, u"Data:", &ReceiptRecord::Data, true},
}};

}  // namespace quitanza::platform
