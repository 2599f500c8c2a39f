#include "report/expressions/FormatDataDateTime.h"

#include "report/expressions/FormatDataLocale.h"

#include <array>

namespace quitanza::report {

namespace {

const std::array<QString, 7> LongDayNames = {
    QStringLiteral("segunda-feira"), QStringLiteral("terça-feira"), QStringLiteral("quarta-feira"),
    QStringLiteral("quinta-feira"), QStringLiteral("sexta-feira"), QStringLiteral("sábado"),
    QStringLiteral("domingo")};
const std::array<QString, 7> ShortDayNames = {
    QStringLiteral("seg"), QStringLiteral("ter"), QStringLiteral("qua"), QStringLiteral("qui"),
    QStringLiteral("sex"), QStringLiteral("sáb"), QStringLiteral("dom")};
const std::array<QString, 12> LongMonthNames = {
    QStringLiteral("janeiro"), QStringLiteral("fevereiro"), QStringLiteral("março"), QStringLiteral("abril"),
    QStringLiteral("maio"), QStringLiteral("junho"), QStringLiteral("julho"), QStringLiteral("agosto"),
    QStringLiteral("setembro"), QStringLiteral("outubro"), QStringLiteral("novembro"),
    QStringLiteral("dezembro")};
const std::array<QString, 12> ShortMonthNames = {
    QStringLiteral("jan"), QStringLiteral("fev"), QStringLiteral("mar"), QStringLiteral("abr"),
    QStringLiteral("mai"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("ago"),
    QStringLiteral("set"), QStringLiteral("out"), QStringLiteral("nov"), QStringLiteral("dez")};

QString Padded(int number, int width) { return QStringLiteral("%1").arg(number, width, 10, QChar(u'0')); }

QString Number(int number, int count) { return count >= 2 ? Padded(number, 2) : QString::number(number); }

QString NameOf(const auto& names, int oneBasedIndex) {
  return oneBasedIndex >= 1 && oneBasedIndex <= int(names.size()) ? names[oneBasedIndex - 1] : QString();
}

bool StartsWith(const QString& text, qsizetype at, QStringView marker) {
  return QStringView(text).mid(at).startsWith(marker, Qt::CaseInsensitive);
}

class DateTimePatternWriter {
public:
  DateTimePatternWriter(const QString& pattern, const DateTimeValue& moment)
      : m_pattern(pattern), m_moment(moment), m_twelveHourClock(HasAmPmMarker()) {}

  QString Write() {
    while (m_at < m_pattern.size()) WriteNextToken();
    return m_text;
  }

private:
  const QString& m_pattern;
  const DateTimeValue& m_moment;
  const bool m_twelveHourClock;
  qsizetype m_at = 0;
  QChar m_lastLetter;
  QString m_text;

  bool HasAmPmMarker() const {
    for (qsizetype i = 0; i < m_pattern.size(); ++i) {
      const QChar c = m_pattern.at(i);
      if (c == u'"' || c == u'\'') {
        const qsizetype close = m_pattern.indexOf(c, i + 1);
        if (close < 0) return false;
        i = close;
      } else if (StartsWith(m_pattern, i, u"am/pm") || StartsWith(m_pattern, i, u"a/p") ||
                 StartsWith(m_pattern, i, u"ampm")) {
        return true;
      }
    }
    return false;
  }

  int RunLength(QChar letter) {
    const qsizetype start = m_at;
    while (m_at < m_pattern.size() && m_pattern.at(m_at).toUpper() == letter) ++m_at;
    return int(m_at - start);
  }

  void WriteNextToken() {
    const QChar c = m_pattern.at(m_at);
    if (c == u'"' || c == u'\'') return WriteQuoted(c);
    if (c == u'/') return WriteChar(BrazilianLocale::DateSeparator);
    if (c == u':') return WriteChar(BrazilianLocale::TimeSeparator);
    if (!c.isLetter()) return WriteChar(c);
    const QChar letter = c.toUpper();
    const QChar previousLetter = m_lastLetter;
    m_lastLetter = letter;
    if (letter == u'A') return WriteAmPm();
    const int count = RunLength(letter);
    switch (letter.unicode()) {
      case u'D': return WriteDay(count);
      case u'M':
        if (previousLetter == u'H' && count <= 2) {
          m_text += Number(m_moment.Time.minute(), count);
          return;
        }
        return WriteMonth(count);
      case u'Y':
        m_text += count <= 2 ? Padded(m_moment.Date.year() % 100, 2) : Padded(m_moment.Date.year(), 4);
        return;
      case u'H': m_text += Number(Hour(), count); return;
      case u'N': m_text += Number(m_moment.Time.minute(), count); return;
      case u'S': m_text += Number(m_moment.Time.second(), count); return;
      case u'Z':
        m_text += count >= 2 ? Padded(m_moment.Time.msec(), 3) : QString::number(m_moment.Time.msec());
        return;
      case u'T':
        return WriteNested(count == 1 ? BrazilianLocale::ShortTimeFormat() : BrazilianLocale::LongTimeFormat());
      case u'C': return WriteDateAndTime();
      default: m_text += m_pattern.mid(m_at - count, count); return;
    }
  }

  void WriteChar(QChar c) {
    m_text += c;
    ++m_at;
  }

  void WriteQuoted(QChar quote) {
    const qsizetype close = m_pattern.indexOf(quote, m_at + 1);
    const qsizetype end = close < 0 ? m_pattern.size() : close;
    m_text += m_pattern.mid(m_at + 1, end - m_at - 1);
    m_at = end + 1;
  }

  void WriteAmPm() {
    const bool morning = m_moment.Time.hour() < 12;
    if (StartsWith(m_pattern, m_at, u"am/pm")) {
      m_text += m_pattern.mid(morning ? m_at : m_at + 3, 2);
      m_at += 5;
    } else if (StartsWith(m_pattern, m_at, u"a/p")) {
      m_text += m_pattern.at(morning ? m_at : m_at + 2);
      m_at += 3;
    } else if (StartsWith(m_pattern, m_at, u"ampm")) {
      m_text += morning ? BrazilianLocale::TimeAMString() : BrazilianLocale::TimePMString();
      m_at += 4;
    } else {
      WriteChar(m_pattern.at(m_at));
    }
  }

  int Hour() const {
    const int hour = m_moment.Time.hour();
    if (!m_twelveHourClock) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
  }

  void WriteDay(int count) {
    switch (count) {
      case 1:
      case 2: m_text += Number(m_moment.Date.day(), count); return;
      case 3: m_text += NameOf(ShortDayNames, m_moment.Date.dayOfWeek()); return;
      case 4: m_text += NameOf(LongDayNames, m_moment.Date.dayOfWeek()); return;
      case 5: return WriteNested(BrazilianLocale::ShortDateFormat());
      default: return WriteNested(BrazilianLocale::LongDateFormat());
    }
  }

  void WriteMonth(int count) {
    switch (count) {
      case 1:
      case 2: m_text += Number(m_moment.Date.month(), count); return;
      case 3: m_text += NameOf(ShortMonthNames, m_moment.Date.month()); return;
      default: m_text += NameOf(LongMonthNames, m_moment.Date.month()); return;
    }
  }

  void WriteDateAndTime() {
    WriteNested(BrazilianLocale::ShortDateFormat());
    if (m_moment.Time.msecsSinceStartOfDay() != 0) {
      m_text += u' ';
      WriteNested(BrazilianLocale::LongTimeFormat());
    }
  }

  void WriteNested(const QString& pattern) { m_text += FormatDateTimePattern(pattern, m_moment); }
};

}  // namespace

QString FormatDateTimePattern(const QString& pattern, const DateTimeValue& moment) {
  return DateTimePatternWriter(pattern, moment).Write();
}

}  // namespace quitanza::report
