#include "platform/FieldValue.h"

#include "platform/CurrencyText.h"

#include <stdexcept>

namespace {

template <class... Handlers>
struct TOverloaded : Handlers... {
  using Handlers::operator()...;
};
// Spelled out for clang 14 (the fuzz build), which does not deduce the
// arguments of an aggregate template.
template <class... Handlers>
TOverloaded(Handlers...) -> TOverloaded<Handlers...>;

std::int32_t IntegerFromText(const QString& text)
{
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok) throw std::invalid_argument("'" + text.toStdString() + "' is not a valid integer");
  return value;
}

}  // namespace

const TFieldDef* FindField(QStringView name)
{
  for (const TFieldDef& field : ReceiptFields) {
    if (field.Name.compare(name, Qt::CaseInsensitive) == 0) return &field;
  }
  return nullptr;
}

QString FieldText(const TReceiptRecord& record, const TFieldDef& field)
{
  return std::visit(TOverloaded{
                      [&](TTextMember member) { return record.*member; },
                      [&](TCurrencyMember member) { return CurrencyToText(record.*member); },
                      [&](TIntegerMember member) { return QString::number(record.*member); },
                    },
                    field.Member);
}

void SetFieldText(TReceiptRecord& record, const TFieldDef& field, const QString& text)
{
  std::visit(TOverloaded{
               [&](TTextMember member) { record.*member = text; },
               [&](TCurrencyMember member) { record.*member = CurrencyFromText(text); },
               [&](TIntegerMember member) { record.*member = IntegerFromText(text); },
             },
             field.Member);
}
