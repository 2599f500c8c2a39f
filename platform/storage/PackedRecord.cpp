#include "platform/storage/PackedRecord.h"

#include <algorithm>
#include <limits>

using namespace quitanza::doclib;

namespace {

constexpr std::int64_t NullData = std::numeric_limits<std::int64_t>::min();

}  // namespace

TPackedRecord::TPackedRecord(const TReceiptRecord& record)
  : FValor(record.Valor.ticks()),
    FTipo(record.Tipo),
    FCodigo(record.Codigo),
    FData(record.Data.isValid() ? record.Data.toMSecsSinceEpoch() : NullData)
{
  const QByteArray texts[] = {record.Cliente.toUtf8(), record.CNPJ.toUtf8(), record.Referente.toUtf8(), record.Autenticacao.toUtf8()};
  FTexts.reserve(texts[0].size() + texts[1].size() + texts[2].size() + texts[3].size());
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    FTexts += texts[i];
    if (i < FEnds.size()) FEnds[i] = static_cast<std::uint32_t>(FTexts.size());
  }
}

TReceiptRecord TPackedRecord::Unpack() const
{
  const QByteArrayView texts(FTexts);
  const auto text = [&](qsizetype begin, qsizetype end) { return QString::fromUtf8(texts.sliced(begin, end - begin)); };
  TReceiptRecord record;
  record.Cliente = text(0, FEnds[0]);
  record.CNPJ = text(FEnds[0], FEnds[1]);
  record.Valor = Amount::fromTicks(FValor);
  record.Referente = text(FEnds[1], FEnds[2]);
  record.Tipo = FTipo;
  record.Codigo = FCodigo;
  record.Autenticacao = text(FEnds[2], texts.size());
  if (FData != NullData)
    record.Data = QDateTime::fromMSecsSinceEpoch(FData);
  return record;
}

std::vector<TPackedRecord> Packed(const std::vector<TReceiptRecord>& records)
{
  std::vector<TPackedRecord> packed;
  packed.reserve(records.size());
  std::transform(records.begin(), records.end(), std::back_inserter(packed), [](const TReceiptRecord& record) { return TPackedRecord(record); });
  return packed;
}

std::vector<TReceiptRecord> Unpacked(const std::vector<TPackedRecord>& records)
{
  std::vector<TReceiptRecord> unpacked;
  unpacked.reserve(records.size());
  std::transform(records.begin(), records.end(), std::back_inserter(unpacked), [](const TPackedRecord& record) { return record.Unpack(); });
  return unpacked;
}
