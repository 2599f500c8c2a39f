#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// A byte string of up to sixteen bytes held as two words that between them
// cover every byte: two such strings compare, and hash, without a loop or a
// library call, and without reading a byte outside the string. Strings of one
// size are equal exactly when their words are. The words are gathered with
// the same reads for every size from four to sixteen, so strings of mixed
// sizes (7.55906, 102.04731) do not send each other down other branches.
struct TfrxShortBytes {
  static constexpr std::size_t kMaxSize = 16;

  // `size` is at most kMaxSize.
  static TfrxShortBytes Of(const char* data, std::size_t size)
  {
    TfrxShortBytes bytes;
    bytes.Size = static_cast<std::uint8_t>(size);
    if (size >= 4) {
      // The first and the last eight bytes, or for fewer than eight the
      // first and the last four twice.
      const std::size_t step = (size >> 3) << 2;
      bytes.Head = Load(data) << 32 | Load(data + step);
      bytes.Tail = Load(data + size - 4) << 32 | Load(data + size - 4 - step);
    } else if (size > 0) {
      bytes.Head = std::uint64_t(static_cast<unsigned char>(data[0])) |
                   std::uint64_t(static_cast<unsigned char>(data[size / 2])) << 8 |
                   std::uint64_t(static_cast<unsigned char>(data[size - 1])) << 16;
    }
    return bytes;
  }

  std::size_t Hash() const
  {
    const std::uint64_t mixed = (Head * 0x9E3779B97F4A7C15ULL) ^ (Tail * 0xC2B2AE3D27D4EB4FULL) ^ Size;
    return static_cast<std::size_t>(mixed ^ (mixed >> 32));
  }

  bool operator==(const TfrxShortBytes&) const = default;

  std::uint64_t Head = 0;
  std::uint64_t Tail = 0;
  std::uint8_t Size = 0;

private:
  static std::uint64_t Load(const char* at)
  {
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
};
