#include "doclib/Validar.h"

#include "doclib/TextPieces.h"

#include <QStringList>

#include <algorithm>

namespace quitanza::doclib {

namespace {

bool inEmailAlphabet(QChar c)
{
  return IsAsciiDigit(c) || (c >= u'a' && c <= u'z');
}

bool isPrintableAscii(QChar c)
{
  return c >= u'!' && c <= u'~';
}

enum class DotRule { SomeDotFrom, FirstDotFrom };

// An accepted beginning: the text must be longer than `minimumLength` and
// carry a dot at or after 0-based index `dotIndex` (some dot, or its first).
struct UrlBeginning {
  QStringView prefix;
  qsizetype minimumLength;
  DotRule rule;
  qsizetype dotIndex;

  bool matches(const QString& lower) const
  {
    if (!lower.startsWith(prefix) || lower.size() <= minimumLength)
      return false;
    return rule == DotRule::SomeDotFrom ? lower.indexOf(u'.', dotIndex) >= 0 : lower.indexOf(u'.') >= dotIndex;
  }
};

// 0-based indexes: "a dot at or after position 5" is index 4, "the first dot
// after position 8" is index 8 or more.
constexpr UrlBeginning urlBeginnings[] = {
  {u"www.", 7, DotRule::SomeDotFrom, 4},
  {u"news:", 7, DotRule::SomeDotFrom, 4},
  {u"http://", 10, DotRule::FirstDotFrom, 8},
  {u"https://", 11, DotRule::FirstDotFrom, 9},
  {u"ftp://", 9, DotRule::FirstDotFrom, 7},
};

bool isDottedIpv4(const QString& text)
{
  const QStringList parts = text.split(u'.');
  return parts.size() == 4 && std::all_of(parts.cbegin(), parts.cend(), [](const QString& part) {
           return !part.isEmpty() && part.size() <= 3 && std::all_of(part.cbegin(), part.cend(), IsAsciiDigit) &&
                  part.toInt() <= 255;
         });
}

}  // namespace

bool IsValidEmail(const QString& text)
{
  if (text.isEmpty())
    return true;
  if (text.startsWith(u'@') || text.count(u'@') != 1)
    return false;
  const qsizetype at = text.indexOf(u'@');
  const bool characterAfterInAlphabet = at + 1 < text.size() && inEmailAlphabet(text.at(at + 1));
  if (inEmailAlphabet(text.at(at - 1)) && !characterAfterInAlphabet)
    return false;
  return text.contains(u'.');
}

bool IsValidURL(const QString& text)
{
  if (text.isEmpty())
    return true;
  if (text.size() <= 5 || text.endsWith(u'.') || text.contains(u".."))
    return false;
  const QString forbidden = QStringLiteral(";*<>{}[]|\\()^!");
  const bool clean = std::all_of(text.cbegin(), text.cend(),
                                 [&forbidden](QChar c) { return isPrintableAscii(c) && !forbidden.contains(c); });
  if (!clean)
    return false;

  const QString lower = text.toLower();
  return std::any_of(std::begin(urlBeginnings), std::end(urlBeginnings),
                     [&lower](const UrlBeginning& beginning) { return beginning.matches(lower); }) ||
         isDottedIpv4(text);
}

}  // namespace quitanza::doclib
