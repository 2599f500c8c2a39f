#pragma once

#include <QString>
#include <QtGlobal>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// A property kept in a plain data member, read and written in place: the
// writer visits every property of every object to find the few that differ
// from their defaults, and most of them are such members, checked here
// without a call.
//
// The member's place comes from its member pointer, which the Itanium C++
// ABI represents as the byte offset. Tables address objects through their
// root type; the classes that publish members derive from it by single
// inheritance, so the root and the class share their address (a test checks
// this for every published member of every class).
class TfrxPropField {
public:
  enum class Type : std::uint8_t { None, Bool, Int8, UInt8, Int16, UInt16, Int32, UInt32, Int64, String };

  TfrxPropField() = default;

  template <class C, class T> static TfrxPropField Of(T C::*member)
  {
    static_assert(sizeof(member) == sizeof(std::ptrdiff_t), "data member pointers are offsets on this ABI");
    TfrxPropField field;
    field.FOffset = static_cast<std::int32_t>(std::bit_cast<std::ptrdiff_t>(member));
    field.FType = TypeOf<T>();
    field.FWordInside = field.FOffset + 8 <= static_cast<std::int32_t>(sizeof(C));
    return field;
  }

  bool IsOrdinal() const { return FType != Type::None && FType != Type::String; }
  std::int32_t Offset() const { return FOffset; }
  // Bytes of an ordinal member.
  int Size() const
  {
    return WithOrdinalType(0, [](auto type) { return static_cast<int>(sizeof(type)); });
  }
  // The eight bytes from the member's start lie inside its class, so they
  // can be read as one word.
  bool WordInside() const { return FWordInside; }
  bool IsString() const { return FType == Type::String; }

  qint64 Ordinal(const void* object) const
  {
    const auto* at = static_cast<const unsigned char*>(object) + FOffset;
    return WithOrdinalType(qint64(0), [at](auto type) { return Load<decltype(type)>(at); });
  }

  // The member's type holds `value` exactly.
  bool CanHold(qint64 value) const
  {
    return WithOrdinalType(false, [value](auto type) { return Fits<decltype(type)>(value); });
  }

  // The same conversion as static_cast to the member's type.
  void SetOrdinal(void* object, qint64 value) const
  {
    auto* at = static_cast<unsigned char*>(object) + FOffset;
    WithOrdinalType(false, [at, value](auto type) {
      Store(at, static_cast<decltype(type)>(value));
      return true;
    });
  }

  const QString& String(const void* object) const
  {
    return *reinterpret_cast<const QString*>(static_cast<const unsigned char*>(object) + FOffset);
  }

private:
  template <class T> static constexpr Type TypeOf()
  {
    if constexpr (std::is_same_v<T, QString>) {
      return Type::String;
    } else if constexpr (std::is_same_v<T, bool>) {
      return Type::Bool;
    } else if constexpr (std::is_enum_v<T>) {
      return TypeOf<std::underlying_type_t<T>>();
    } else if constexpr (std::is_integral_v<T>) {
      constexpr bool isSigned = std::is_signed_v<T>;
      switch (sizeof(T)) {
      case 1: return isSigned ? Type::Int8 : Type::UInt8;
      case 2: return isSigned ? Type::Int16 : Type::UInt16;
      case 4: return isSigned ? Type::Int32 : Type::UInt32;
      case 8: return isSigned ? Type::Int64 : Type::None;
      default: return Type::None;
      }
    } else {
      return Type::None;
    }
  }

  // visit(T()) with T the member's ordinal type; `otherwise` for the rest.
  template <class R, class Visit> R WithOrdinalType(R otherwise, Visit visit) const
  {
    switch (FType) {
    case Type::Bool: return visit(bool());
    case Type::Int8: return visit(std::int8_t());
    case Type::UInt8: return visit(std::uint8_t());
    case Type::Int16: return visit(std::int16_t());
    case Type::UInt16: return visit(std::uint16_t());
    case Type::Int32: return visit(std::int32_t());
    case Type::UInt32: return visit(std::uint32_t());
    case Type::Int64: return visit(std::int64_t());
    case Type::None:
    case Type::String: break;
    }
    return otherwise;
  }

  template <class T> static qint64 Load(const unsigned char* at)
  {
    T value;
    std::memcpy(&value, at, sizeof value);
    return static_cast<qint64>(value);
  }
  template <class T> static bool Fits(qint64 value) { return static_cast<qint64>(static_cast<T>(value)) == value; }
  template <class T> static void Store(unsigned char* at, T value) { std::memcpy(at, &value, sizeof value); }

  // Eight bytes in all: the writer's summary of a table packs several
  // properties into a cache line.
  std::int32_t FOffset = 0;
  Type FType = Type::None;
  bool FWordInside = false;
};
