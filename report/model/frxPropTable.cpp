#include "report/model/frxPropTable.h"

#include "report/model/frxErrors.h"

#include <algorithm>
#include <bit>

namespace {

int CompareNames(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive); }

// Length and three characters tell the few dozen names of a class apart as
// well as a hash of every byte does, at a fraction of the cost: the index is
// consulted for every attribute read.
std::size_t NameHash(QByteArrayView name)
{
  if (name.isEmpty())
    return 0;
  const auto at = [name](qsizetype i) { return static_cast<std::size_t>(static_cast<unsigned char>(name[i])); };
  const auto size = static_cast<std::size_t>(name.size());
  return ((size * 31 + at(0)) * 31 + at(name.size() / 2)) * 31 + at(name.size() - 1);
}

// Names are a few bytes long: a loop in place beats a library call.
bool SameBytes(const char* a, const char* b, int size)
{
  for (int i = 0; i < size; ++i) {
    if (a[i] != b[i])
      return false;
  }
  return true;
}

}  // namespace

TfrxDefaultCheck TfrxDefaultCheck::For(const TfrxPropInfo& property)
{
  TfrxDefaultCheck check;
  check.FField = property.Field;
  if (frxIsOrdinalKind(property.Kind) && property.Default && property.Field.IsOrdinal()) {
    const TfrxPropField& field = property.Field;
    const qint64 value = *property.Default;
    check.FValue = static_cast<std::uint64_t>(value);
    check.FRule = Rule::Ordinal;
    // Comparing the member's bytes with the default's low bytes is only the
    // same as comparing values when the member can hold the default, and
    // when the member's bytes are the low bytes of the word read.
    const int bits = 8 * field.Size();
    if (std::endian::native == std::endian::little && field.WordInside() && field.CanHold(value)) {
      check.FMask = bits == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << bits) - 1;
      check.FValue &= check.FMask;
      check.FRule = Rule::Word;
    }
  } else if (property.Kind == TfrxPropKind::String && property.Field.IsString()) {
    check.FRule = Rule::EmptyString;
  }
  return check;
}

const TfrxPropInfo& TfrxPropTable::Add(TfrxPropInfo info)
{
  info.Utf8Name = info.Name.toUtf8();
  info.Utf8Attribute = ' ' + info.Utf8Name + (info.Kind == TfrxPropKind::StringList ? ".Text=\"" : "=\"");
  info.Utf8NamedAttributes.clear();
  if (info.Kind == TfrxPropKind::Enum || info.Kind == TfrxPropKind::Boolean) {
    for (QStringView value : info.EnumNames)
      info.Utf8NamedAttributes.push_back(info.Utf8Attribute.toStdString() + value.toUtf8().toStdString() + '"');
  }
  FGeometry |= (info.Geometry == TfrxGeometry::None ? 0U : 1U) << static_cast<int>(info.Geometry);
  FDefaultChecks.push_back(TfrxDefaultCheck::For(info));
  FProps.push_back(std::move(info));
  const std::size_t index = FProps.size() - 1;
  auto at = std::lower_bound(FSorted.begin(), FSorted.end(), index, [this](std::size_t a, std::size_t b) {
    return CompareNames(FProps[a].Name, FProps[b].Name) < 0;
  });
  FSorted.insert(at, index);
  RebuildExactIndex();
  return FProps.back();
}

void TfrxPropTable::RebuildExactIndex()
{
  std::size_t size = kMinExactSlots;
  while (size < FProps.size() * 2)
    size *= 2;
  FExact.assign(size, ExactSlot{});
  FExactNames.clear();
  for (std::size_t i = 0; i < FProps.size(); ++i) {
    const QByteArray& name = FProps[i].Utf8Name;
    std::size_t slot = NameHash(name) & (size - 1);
    while (FExact[slot].Index >= 0)
      slot = (slot + 1) & (size - 1);
    FExact[slot] = {static_cast<int>(i), static_cast<int>(FExactNames.size()), static_cast<int>(name.size())};
    FExactNames.append(name.constData(), static_cast<std::size_t>(name.size()));
  }
}

void TfrxPropTable::Append(const TfrxPropTable& other)
{
  for (const TfrxPropInfo& info : other.FProps)
    Add(info);
  if (other.Defined)
    Defined = other.Defined;
}

TfrxPropTable TfrxPropTable::Select(const TfrxPropTable& catalog, std::initializer_list<QStringView> names)
{
  TfrxPropTable table;
  for (QStringView name : names)
    table.Add(catalog.Get(name));
  return table;
}

const TfrxPropInfo* TfrxPropTable::Find(QByteArrayView utf8Name) const
{
  const std::size_t mask = FExact.size() - 1;
  const auto size = static_cast<int>(utf8Name.size());
  for (std::size_t slot = NameHash(utf8Name) & mask;; slot = (slot + 1) & mask) {
    const ExactSlot& entry = FExact[slot];
    if (entry.Index < 0)
      break;
    if (entry.NameSize == size && SameBytes(FExactNames.data() + entry.NameOffset, utf8Name.data(), size))
      return &FProps[static_cast<std::size_t>(entry.Index)];
  }
  return Find(QStringView(QString::fromUtf8(utf8Name)));
}

const TfrxPropInfo* TfrxPropTable::Find(QStringView name) const
{
  auto at = std::lower_bound(FSorted.begin(), FSorted.end(), name, [this](std::size_t index, QStringView key) {
    return CompareNames(FProps[index].Name, key) < 0;
  });
  if (at == FSorted.end() || CompareNames(FProps[*at].Name, name) != 0)
    return nullptr;
  return &FProps[*at];
}

void TfrxPropTable::MarkGeometry(QStringView name, TfrxGeometry geometry)
{
  FProps[static_cast<std::size_t>(&Get(name) - FProps.data())].Geometry = geometry;
  FGeometry |= 1U << static_cast<int>(geometry);
}

const TfrxPropInfo& TfrxPropTable::Get(QStringView name) const
{
  const TfrxPropInfo* info = Find(name);
  if (!info)
    throw EfrxError(QStringLiteral("No published property ") + name.toString());
  return *info;
}
