#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

// The text a template writer builds, appended to in many short pieces: an
// attribute's ' Name="', a number, a quote. Unlike a std::string it keeps no
// terminator, and a piece of up to sixteen bytes is copied inline as two
// overlapping words instead of through a library call, which costs more than
// the copy itself at these sizes.
//
// The names follow std::string's so that code can write to either.
class TfrxXMLText {
public:
  TfrxXMLText() = default;
  TfrxXMLText(const TfrxXMLText&) = delete;
  TfrxXMLText& operator=(const TfrxXMLText&) = delete;

  std::size_t size() const { return static_cast<std::size_t>(FEnd - FBegin); }
  bool empty() const { return FEnd == FBegin; }
  char* data() { return FBegin; }
  const char* data() const { return FBegin; }
  std::string_view view() const { return {FBegin, size()}; }

  void append(const char* piece, std::size_t length)
  {
    if (static_cast<std::size_t>(FCapacityEnd - FEnd) < length)
      Grow(length);
    if (length <= 16)
      CopyShort(FEnd, piece, length);
    else
      std::memcpy(FEnd, piece, length);
    FEnd += length;
  }
  void append(std::string_view piece) { append(piece.data(), piece.size()); }
  void append(std::size_t count, char c)
  {
    if (static_cast<std::size_t>(FCapacityEnd - FEnd) < count)
      Grow(count);
    std::memset(FEnd, c, count);
    FEnd += count;
  }
  void push_back(char c)
  {
    if (FEnd == FCapacityEnd)
      Grow(1);
    *FEnd++ = c;
  }
  // Bytes beyond the old size are left for the caller to write.
  void resize(std::size_t size)
  {
    if (size > static_cast<std::size_t>(FCapacityEnd - FBegin))
      Grow(size - this->size());
    FEnd = FBegin + size;
  }
  void erase(std::size_t at, std::size_t count)
  {
    std::memmove(FBegin + at, FBegin + at + count, size() - at - count);
    FEnd -= count;
  }
  void clear() { FEnd = FBegin; }

private:
  // Room for at least `more` bytes past the end.
  void Grow(std::size_t more);

  static void CopyShort(char* to, const char* from, std::size_t length)
  {
    if (length >= 8) {
      Move<std::uint64_t>(to, from);
      Move<std::uint64_t>(to + length - 8, from + length - 8);
    } else if (length >= 4) {
      Move<std::uint32_t>(to, from);
      Move<std::uint32_t>(to + length - 4, from + length - 4);
    } else if (length > 0) {
      to[0] = from[0];
      to[length / 2] = from[length / 2];
      to[length - 1] = from[length - 1];
    }
  }
  template <class Word> static void Move(char* to, const char* from)
  {
    Word word;
    std::memcpy(&word, from, sizeof word);
    std::memcpy(to, &word, sizeof word);
  }

  std::unique_ptr<char[]> FStorage;
  char* FBegin = nullptr;
  char* FEnd = nullptr;
  char* FCapacityEnd = nullptr;
};
