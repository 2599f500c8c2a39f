#include "platform/storage/PackedRecord.h"

#include <algorithm>
#include <limits>

namespace quitanza::platform {

using namespace doclib;

namespace {

constexpr std::int64_t NullData = std::numeric_limits<std::int64_t>::min();

}  // namespace

PackedRecord::PackedRecord(const ReceiptRecord& record)
  : m_valor(record.Valor.Ticks()),
    m_tipo(record.Tipo),
    m_codigo(record.Codigo),
    m_data(record.Data.isValid() ? record.Data.toMSecsSinceEpoch() : NullData)
{
  const QByteArray texts[] = {record.Cliente.toUtf8(), record.CNPJ.toUtf8(), record.Referente.toUtf8(), record.Autenticacao.toUtf8()};
  m_texts.reserve(texts[0].size() + texts[1].size() + texts[2].size() + texts[3].size());
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    m_texts += texts[i];
    if (i < m_ends.size()) m_ends[i] = static_cast<std::uint32_t>(m_texts.size());
  }
}

ReceiptRecord PackedRecord::Unpack() const
{
  const QByteArrayView texts(m_texts);
  const auto text = [&](qsizetype begin, qsizetype end) { return QString::fromUtf8(texts.sliced(begin, end - begin)); };
  ReceiptRecord record;
  record.Cliente = text(0, m_ends[0]);
  record.CNPJ = text(m_ends[0], m_ends[1]);
  record.Valor = Amount::FromTicks(m_valor);
  record.Referente = text(m_ends[1], m_ends[2]);
  record.Tipo = m_tipo;
  record.Codigo = m_codigo;
  record.Autenticacao = text(m_ends[2], texts.size());
  if (m_data != NullData)
    record.Data = QDateTime::fromMSecsSinceEpoch(m_data);
  return record;
}

std::vector<PackedRecord> Packed(const std::vector<ReceiptRecord>& records)
{
  std::vector<PackedRecord> packed;
  packed.reserve(records.size());
  std::transform(records.begin(), records.end(), std::back_inserter(packed), [](const ReceiptRecord& record) { return PackedRecord(record); });
  return packed;
}

std::vector<ReceiptRecord> Unpacked(const std::vector<PackedRecord>& records)
{
  std::vector<ReceiptRecord> unpacked;
  unpacked.reserve(records.size());
  std::transform(records.begin(), records.end(), std::back_inserter(unpacked), [](const PackedRecord& record) { return record.Unpack(); });
  return unpacked;
}

}  // namespace quitanza::platform
