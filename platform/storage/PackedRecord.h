#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

// A record as the register keeps it in memory: the four texts in one UTF-8
// block. A register of many years of receipts then takes less than half the
// memory four separate QStrings per row would.
class TPackedRecord {
public:
  explicit TPackedRecord(const TReceiptRecord& record);
  TReceiptRecord Unpack() const;
  std::int32_t Codigo() const { return FCodigo; }

private:
  QByteArray FTexts;                  // Cliente, CNPJ, Referente and Autenticacao, one after another
  std::array<std::uint32_t, 3> FEnds; // where each of the first three ends in FTexts
  std::int64_t FValor;  // Amount's ticks
  std::int32_t FTipo;
  std::int32_t FCodigo;
  std::int64_t FData;   // milliseconds since the epoch; NullData for none
};

std::vector<TPackedRecord> Packed(const std::vector<TReceiptRecord>& records);
std::vector<TReceiptRecord> Unpacked(const std::vector<TPackedRecord>& records);
