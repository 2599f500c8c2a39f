#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// A byte string of up to sixteen bytes held as two overlapping words: two
// such strings compare, and hash, without a loop or a library call, and
// without reading a byte outside the string. Strings of one size are equal
// exactly when their words are.
struct TfrxShortBytes {
  static constexpr std::size_t kMaxSize = 16;

  // `size` is at most kMaxSize.
  static TfrxShortBytes Of(const char* data, std::size_t size)
  {
    TfrxShortBytes bytes;
    bytes.Size = static_cast<std::uint8_t>(size);
    if (size >= 8) {
      bytes.Head = Load<std::uint64_t>(data);
      bytes.Tail = Load<std::uint64_t>(data + size - 8);
    } else if (size >= 4) {
      bytes.Head = Load<std::uint32_t>(data);
      bytes.Tail = Load<std::uint32_t>(data + size - 4);
    } else {
      for (std::size_t i = 0; i < size; ++i)
        bytes.Head |= std::uint64_t(static_cast<unsigned char>(data[i])) << (8 * i);
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
  template <class Word> static std::uint64_t Load(const char* at)
  {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
};
