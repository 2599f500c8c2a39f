#include "report/text/Hyphenation.h"

namespace quitanza::report {

namespace {

enum class LetterClass { Other, Vowel, Consonant, Sign };

LetterClass classify(QChar upper)
{
  static const QString vowels = QStringLiteral(u"АЕЁИОУЫЭЮЯ");
  static const QString signs = QStringLiteral(u"ЬЪЙ");
  const char16_t c = upper.unicode();
  if (!((c >= 0x0410 && c <= 0x042F) || c == 0x0401))
    return LetterClass::Other;
  if (vowels.contains(upper))
    return LetterClass::Vowel;
  if (signs.contains(upper))
    return LetterClass::Sign;
  return LetterClass::Consonant;
}

// A break between word[k - 1] and word[k]: both sides keep a vowel, signs
// stay with the letter before them, and the break falls between two
// consonants, between two vowels, or before a consonant that opens a syllable.
bool breaksBefore(const std::vector<LetterClass>& word, int k, int vowelsBefore, int vowelsTotal)
{
  const LetterClass previous = word[k - 1];
  const LetterClass current = word[k];
  if (previous == LetterClass::Other || current == LetterClass::Other || current == LetterClass::Sign)
    return false;
  if (vowelsBefore == 0 || vowelsBefore == vowelsTotal)
    return false;
  if (current == LetterClass::Vowel)
    return previous == LetterClass::Vowel;
  if (previous != LetterClass::Vowel)
    return true;
  return k + 1 < int(word.size()) && word[k + 1] == LetterClass::Vowel;
}

}  // namespace

QString HyphenateWord(const QString& text, int from, int to)
{
  static const QString wordEnds = QStringLiteral(" .,-;");
  int end = to - 1;  // 0-based index of the first character after the word
  while (end < text.size() && !wordEnds.contains(text[end]))
    ++end;
  const QString word = text.mid(from - 1, end - from + 1);
  const QString upper = word.toUpper();

  std::vector<LetterClass> classes;
  classes.reserve(upper.size());
  int vowelsTotal = 0;
  for (QChar c : upper) {
    classes.push_back(classify(c));
    vowelsTotal += classes.back() == LetterClass::Vowel;
  }
  int best = 0, vowelsBefore = 0;
  for (int k = 1; k < int(classes.size()) && k < to - from; ++k) {
    vowelsBefore += classes[k - 1] == LetterClass::Vowel;
    if (breaksBefore(classes, k, vowelsBefore, vowelsTotal))
      best = k;
  }
  return word.left(best);
}

}  // namespace quitanza::report
