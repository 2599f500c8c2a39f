#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

namespace quitanza::platform {

// A record as the register keeps it in memory: the four texts in one UTF-8
// block. A register of many years of receipts then takes less than half the
// memory four separate QStrings per row would.
class PackedRecord {
public:
  explicit PackedRecord(const ReceiptRecord& record);
  ReceiptRecord Unpack() const;
  std::int32_t Codigo() const { return m_codigo; }

private:
  QByteArray m_texts;                  // Cliente, CNPJ, Referente and Autenticacao, one after another
  std::array<std::uint32_t, 3> m_ends; // where each of the first three ends in m_texts
  std::int64_t m_valor;  // Amount's ticks
  std::int32_t m_tipo;
  std::int32_t m_codigo;
  std::int64_t m_data;   // milliseconds since the epoch; NullData for none
};

std::vector<PackedRecord> Packed(const std::vector<ReceiptRecord>& records);
std::vector<ReceiptRecord> Unpacked(const std::vector<PackedRecord>& records);

}  // namespace quitanza::platform
