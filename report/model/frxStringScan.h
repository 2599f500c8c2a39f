#pragma once

#include <QStringView>

#include <string_view>

// Character search on short views, inlined: the library's general search
// costs more than the scan itself for attribute-sized strings.
inline qsizetype frxIndexOf(QStringView text, char16_t c, qsizetype from = 0)
{
  const std::u16string_view view(text.utf16(), static_cast<std::size_t>(text.size()));
  const std::size_t at = view.find(c, static_cast<std::size_t>(from));
  return at == std::u16string_view::npos ? -1 : static_cast<qsizetype>(at);
}

// Equality ignoring ASCII case, for names known to be ASCII.
inline bool frxSameAscii(QStringView a, QStringView b)
{
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    const char16_t x = a[i].unicode(), y = b[i].unicode();
    if (x != y && ((x | 0x20) != (y | 0x20) || (x | 0x20) < u'a' || (x | 0x20) > u'z'))
      return false;
  }
  return true;
}
