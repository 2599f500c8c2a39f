#include "platform/storage/FieldValue.h"

#include "platform/storage/CurrencyText.h"

#include <stdexcept>

using namespace quitanza::doclib;

namespace {

template <class... Handlers>
struct TOverloaded : Handlers... {
  using Handlers::operator()...;
};
// Spelled out for clang 14 (the fuzz build), which does not deduce the
// arguments of an aggregate template.
template <class... Handlers>
TOverloaded(Handlers...) -> TOverloaded<Handlers...>;

// The data packet's own form of a date and time.
const QString DateTimeForm = QStringLiteral("yyyyMMddTHH:mm:sszzz");

QDateTime DateTimeFromText(const QString& text)
{
  if (text.isEmpty())
    return {};
  const QDateTime value = QDateTime::fromString(text, DateTimeForm);
  if (!value.isValid()) throw std::invalid_argument("'" + text.toStdString() + "' não é uma data e hora válida");
  return value;
}

std::int32_t IntegerFromText(const QString& text)
{
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok) throw std::invalid_argument("'" + text.toStdString() + "' não é um número inteiro válido");
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
                      [&](TDateTimeMember member) {
                        return (record.*member).isValid() ? (record.*member).toString(DateTimeForm) : QString();
                      },
                    },
                    field.Member);
}

void SetFieldText(TReceiptRecord& record, const TFieldDef& field, const QString& text)
{
  std::visit(TOverloaded{
               [&](TTextMember member) { record.*member = text; },
               [&](TCurrencyMember member) { record.*member = CurrencyFromText(text); },
               [&](TIntegerMember member) { record.*member = IntegerFromText(text); },
               [&](TDateTimeMember member) { record.*member = DateTimeFromText(text); },
             },
             field.Member);
}
