#include "platform/storage/FieldValue.h"

#include "platform/storage/CurrencyText.h"

#include <optional>
#include <stdexcept>

namespace quitanza::platform {

using namespace doclib;

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Spelled out for clang 14 (the fuzz build), which does not deduce the
// arguments of an aggregate template.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The data packet's own form of a date and time.
const QString DateTimeForm = QStringLiteral("yyyyMMddTHH:mm:sszzz");

// The form as this program writes it, read without the general parser: a
// listing reads it for every row of the register.
std::optional<QDateTime> DateTimeFromOwnForm(QStringView text)
{
  constexpr QStringView shape = u"ddddddddTdd:dd:ddddd";  // d: a digit
  if (text.size() != shape.size()) return std::nullopt;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool matches = shape[i] == u'd' ? text[i] >= u'0' && text[i] <= u'9' : text[i] == shape[i];
    if (!matches) return std::nullopt;
  }
  const auto number = [&](qsizetype from, qsizetype length) {
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i) value = value * 10 + (text[i].unicode() - u'0');
    return value;
  };
  return QDateTime(QDate(number(0, 4), number(4, 2), number(6, 2)),
                   QTime(number(9, 2), number(12, 2), number(15, 2), number(17, 3)));
}

QDateTime DateTimeFromText(const QString& text)
{
  if (text.isEmpty())
    return {};
  std::optional<QDateTime> own = DateTimeFromOwnForm(text);
  const QDateTime value = own ? *own : QDateTime::fromString(text, DateTimeForm);
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

const FieldDef* FindField(QStringView name)
{
  for (const FieldDef& field : ReceiptFields) {
    if (field.Name.compare(name, Qt::CaseInsensitive) == 0) return &field;
  }
  return nullptr;
}

QString FieldText(const ReceiptRecord& record, const FieldDef& field)
{
  return std::visit(Overloaded{
                      [&](TextMember member) { return record.*member; },
                      [&](CurrencyMember member) { return CurrencyToText(record.*member); },
                      [&](IntegerMember member) { return QString::number(record.*member); },
                      [&](DateTimeMember member) {
                        return (record.*member).isValid() ? (record.*member).toString(DateTimeForm) : QString();
                      },
                    },
                    field.Member);
}

void SetFieldText(ReceiptRecord& record, const FieldDef& field, const QString& text)
{
  std::visit(Overloaded{
               [&](TextMember member) { record.*member = text; },
               [&](CurrencyMember member) { record.*member = CurrencyFromText(text); },
               [&](IntegerMember member) { record.*member = IntegerFromText(text); },
               [&](DateTimeMember member) { record.*member = DateTimeFromText(text); },
             },
             field.Member);
}

}  // namespace quitanza::platform
