#include "report/expressions/FormatDataFloatPattern.h"

#include "report/expressions/FormatDataDecimal.h"
#include "report/expressions/FormatDataLocale.h"

#include <QStringList>

#include <vector>

namespace quitanza::report {

namespace {

enum class TokenKind { Placeholder, DecimalPoint, Exponent, Literal };

struct PatternToken {
  TokenKind Kind;
  QString Text;         // literal text, or the exponent letter
  QChar ExponentSign;   // '+' always shows the sign, '-' only a minus
  int ExponentDigits = 0;
};

// One section of a pattern, scanned once into tokens and placeholder counts.
struct PatternSection {
  std::vector<PatternToken> Tokens;
  int PlaceholderCount = 0;
  int DecimalIndex = -1;  // placeholders before the decimal point
  int FirstZero = -1;     // index of the first '0' placeholder
  int AfterLastZero = 0;  // index just after the last '0' placeholder
  bool Grouping = false;
  bool Scientific = false;

  bool IsEmpty() const { return Tokens.empty(); }
  int MinimumIntegerDigits() const { return FirstZero >= 0 && FirstZero < DecimalIndex ? DecimalIndex - FirstZero : 0; }
  int MinimumDecimals() const { return qMax(0, AfterLastZero - DecimalIndex); }
  int DecimalPlaceholders() const { return PlaceholderCount - DecimalIndex; }
};

QStringList SplitSections(const QString& pattern) {
  QStringList sections(1);
  QChar quote;
  for (const QChar c : pattern) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u';') {
      sections.append(QString());
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

PatternSection ScanSection(const QString& text) {
  PatternSection section;
  auto addLiteral = [&](const QString& literal) {
    if (!section.Tokens.empty() && section.Tokens.back().Kind == TokenKind::Literal) {
      section.Tokens.back().Text += literal;
    } else {
      section.Tokens.push_back({TokenKind::Literal, literal, {}, 0});
    }
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'0' || c == u'#') {
      if (c == u'0') {
        if (section.FirstZero < 0) section.FirstZero = section.PlaceholderCount;
        section.AfterLastZero = section.PlaceholderCount + 1;
      }
      ++section.PlaceholderCount;
      section.Tokens.push_back({TokenKind::Placeholder, {}, {}, 0});
    } else if (c == u'.') {
      if (section.DecimalIndex < 0) {
        section.DecimalIndex = section.PlaceholderCount;
        section.Tokens.push_back({TokenKind::DecimalPoint, {}, {}, 0});
      }
    } else if (c == u',') {
      section.Grouping = true;
    } else if ((c == u'E' || c == u'e') && i + 1 < text.size() && (text.at(i + 1) == u'+' || text.at(i + 1) == u'-')) {
      PatternToken exponent{TokenKind::Exponent, QString(c), text.at(i + 1), 0};
      i += 2;
      while (i < text.size() && text.at(i) == u'0') {
        ++exponent.ExponentDigits;
        ++i;
      }
      --i;
      section.Scientific = true;
      section.Tokens.push_back(exponent);
    } else if (c == u'"' || c == u'\'') {
      const qsizetype close = text.indexOf(c, i + 1);
      const qsizetype end = close < 0 ? text.size() : close;
      addLiteral(text.mid(i + 1, end - i - 1));
      i = end;
    } else {
      addLiteral(QString(c));
    }
  }
  if (section.DecimalIndex < 0) section.DecimalIndex = section.PlaceholderCount;
  return section;
}

// Writes a number through one section's tokens.
class SectionWriter {
public:
  SectionWriter(const PatternSection& section, const DecimalDigits& number)
      : m_section(section), m_number(number) {}

  // `number` must already be rounded for the section (see RoundedFor).
  QString Write(bool withMinus) {
    QString text = withMinus ? QStringLiteral("-") : QString();
    const int exponent = m_section.Scientific && !m_number.IsZero() ? m_number.Exponent - m_section.DecimalIndex : 0;
    // In exponent form the mantissa has exactly DecimalIndex integer digits.
    const DecimalDigits mantissa = m_section.Scientific ? Shifted(m_number, -exponent) : m_number;
    const int integerDigits = m_section.Scientific ? m_section.DecimalIndex
                                                  : qMax(mantissa.IntegerDigitCount(), m_section.MinimumIntegerDigits());
    const int decimals = qMin(qMax(mantissa.DecimalDigitCount(), m_section.MinimumDecimals()),
                              m_section.DecimalPlaceholders());
    int placeholder = 0;
    for (const PatternToken& token : m_section.Tokens) {
      switch (token.Kind) {
        case TokenKind::Literal:
          text += token.Text;
          break;
        case TokenKind::DecimalPoint:
          if (m_section.DecimalIndex == 0) text += IntegerDigits(mantissa, integerDigits - 1, 0);
          if (decimals > 0) text += BrazilianLocale::DecimalSeparator;
          break;
        case TokenKind::Placeholder:
          text += PlaceholderDigits(mantissa, placeholder++, integerDigits, decimals);
          break;
        case TokenKind::Exponent:
          text += ExponentText(token, exponent);
          break;
      }
    }
    return text;
  }

  static DecimalDigits RoundedFor(const PatternSection& section, const DecimalDigits& number) {
    return section.Scientific ? number.RoundedToSignificant(qMax(section.PlaceholderCount, 1))
                              : number.RoundedToDecimals(section.DecimalPlaceholders());
  }

private:
  const PatternSection& m_section;
  const DecimalDigits& m_number;

  static DecimalDigits Shifted(DecimalDigits number, int powers) {
    if (!number.IsZero()) number.Exponent += powers;
    return number;
  }

  QString IntegerDigits(const DecimalDigits& number, int highest, int lowest) const {
    QString digits;
    for (int power = highest; power >= lowest; --power) {
      digits += number.DigitOfPower(power);
      if (m_section.Grouping && !m_section.Scientific && power > 0 && power % 3 == 0) {
        digits += BrazilianLocale::ThousandSeparator;
      }
    }
    return digits;
  }

  QString PlaceholderDigits(const DecimalDigits& number, int index, int integerDigits, int decimals) const {
    if (index < m_section.DecimalIndex) {
      const int power = m_section.DecimalIndex - 1 - index;
      // The first integer placeholder also takes the digits the pattern has no room for.
      const int highest = index == 0 ? integerDigits - 1 : power;
      return power < integerDigits ? IntegerDigits(number, highest, power) : QString();
    }
    const int decimal = index - m_section.DecimalIndex + 1;
    return decimal <= decimals ? QString(number.DigitOfPower(-decimal)) : QString();
  }

  static QString ExponentText(const PatternToken& token, int exponent) {
    QString text = token.Text;
    if (exponent < 0) {
      text += u'-';
    } else if (token.ExponentSign == u'+') {
      text += u'+';
    }
    return text + QStringLiteral("%1").arg(qAbs(exponent), qMax(token.ExponentDigits, 1), 10, QChar(u'0'));
  }
};

QString WriteSection(const PatternSection& section, const DecimalDigits& rounded, bool withMinus) {
  return SectionWriter(section, rounded).Write(withMinus);
}

}  // namespace

QString FormatFloatPattern(const QString& pattern, double value) {
  std::vector<PatternSection> sections;
  for (const QString& text : SplitSections(pattern).mid(0, 3)) sections.push_back(ScanSection(text));
  const auto usable = [&](size_t index) { return index < sections.size() && !sections[index].IsEmpty(); };

  const DecimalDigits number = DecimalDigits::FromDouble(value);
  const size_t zeroSection = usable(2) ? 2 : 0;
  const auto writeZero = [&] { return WriteSection(sections[zeroSection], DecimalDigits(), false); };
  if (number.IsZero()) return writeZero();

  const bool ownNegativeSection = number.Negative && usable(1);
  const PatternSection& section = sections[ownNegativeSection ? 1 : 0];
  const DecimalDigits rounded = SectionWriter::RoundedFor(section, number);
  // A value that rounds away to nothing is shown as zero, never as "-0".
  if (rounded.IsZero()) return writeZero();
  return WriteSection(section, rounded, rounded.Negative && !ownNegativeSection);
}

}  // namespace quitanza::report
