#include "report/expressions/frxFormatDataDateTime.h"

#include "report/expressions/frxFormatDataLocale.h"

#include <array>

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
  DateTimePatternWriter(const QString& pattern, const TfrxDateTimeValue& moment)
      : FPattern(pattern), FMoment(moment), FTwelveHourClock(HasAmPmMarker()) {}

  QString Write() {
    while (FAt < FPattern.size()) WriteNextToken();
    return FText;
  }

private:
  const QString& FPattern;
  const TfrxDateTimeValue& FMoment;
  const bool FTwelveHourClock;
  qsizetype FAt = 0;
  QChar FLastLetter;
  QString FText;

  bool HasAmPmMarker() const {
    for (qsizetype i = 0; i < FPattern.size(); ++i) {
      const QChar c = FPattern.at(i);
      if (c == u'"' || c == u'\'') {
        const qsizetype close = FPattern.indexOf(c, i + 1);
        if (close < 0) return false;
        i = close;
      } else if (StartsWith(FPattern, i, u"am/pm") || StartsWith(FPattern, i, u"a/p") ||
                 StartsWith(FPattern, i, u"ampm")) {
        return true;
      }
    }
    return false;
  }

  int RunLength(QChar letter) {
    const qsizetype start = FAt;
    while (FAt < FPattern.size() && FPattern.at(FAt).toUpper() == letter) ++FAt;
    return int(FAt - start);
  }

  void WriteNextToken() {
    const QChar c = FPattern.at(FAt);
    if (c == u'"' || c == u'\'') return WriteQuoted(c);
    if (c == u'/') return WriteChar(BrazilianLocale::DateSeparator);
    if (c == u':') return WriteChar(BrazilianLocale::TimeSeparator);
    if (!c.isLetter()) return WriteChar(c);
    const QChar letter = c.toUpper();
    const QChar previousLetter = FLastLetter;
    FLastLetter = letter;
    if (letter == u'A') return WriteAmPm();
    const int count = RunLength(letter);
    switch (letter.unicode()) {
      case u'D': return WriteDay(count);
      case u'M':
        if (previousLetter == u'H' && count <= 2) {
          FText += Number(FMoment.Time.minute(), count);
          return;
        }
        return WriteMonth(count);
      case u'Y':
        FText += count <= 2 ? Padded(FMoment.Date.year() % 100, 2) : Padded(FMoment.Date.year(), 4);
        return;
      case u'H': FText += Number(Hour(), count); return;
      case u'N': FText += Number(FMoment.Time.minute(), count); return;
      case u'S': FText += Number(FMoment.Time.second(), count); return;
      case u'Z':
        FText += count >= 2 ? Padded(FMoment.Time.msec(), 3) : QString::number(FMoment.Time.msec());
        return;
      case u'T':
        return WriteNested(count == 1 ? BrazilianLocale::ShortTimeFormat() : BrazilianLocale::LongTimeFormat());
      case u'C': return WriteDateAndTime();
      default: FText += FPattern.mid(FAt - count, count); return;
    }
  }

  void WriteChar(QChar c) {
    FText += c;
    ++FAt;
  }

  void WriteQuoted(QChar quote) {
    const qsizetype close = FPattern.indexOf(quote, FAt + 1);
    const qsizetype end = close < 0 ? FPattern.size() : close;
    FText += FPattern.mid(FAt + 1, end - FAt - 1);
    FAt = end + 1;
  }

  void WriteAmPm() {
    const bool morning = FMoment.Time.hour() < 12;
    if (StartsWith(FPattern, FAt, u"am/pm")) {
      FText += FPattern.mid(morning ? FAt : FAt + 3, 2);
      FAt += 5;
    } else if (StartsWith(FPattern, FAt, u"a/p")) {
      FText += FPattern.at(morning ? FAt : FAt + 2);
      FAt += 3;
    } else if (StartsWith(FPattern, FAt, u"ampm")) {
      FText += morning ? BrazilianLocale::TimeAMString() : BrazilianLocale::TimePMString();
      FAt += 4;
    } else {
      WriteChar(FPattern.at(FAt));
    }
  }

  int Hour() const {
    const int hour = FMoment.Time.hour();
    if (!FTwelveHourClock) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
  }

  void WriteDay(int count) {
    switch (count) {
      case 1:
      case 2: FText += Number(FMoment.Date.day(), count); return;
      case 3: FText += NameOf(ShortDayNames, FMoment.Date.dayOfWeek()); return;
      case 4: FText += NameOf(LongDayNames, FMoment.Date.dayOfWeek()); return;
      case 5: return WriteNested(BrazilianLocale::ShortDateFormat());
      default: return WriteNested(BrazilianLocale::LongDateFormat());
    }
  }

  void WriteMonth(int count) {
    switch (count) {
      case 1:
      case 2: FText += Number(FMoment.Date.month(), count); return;
      case 3: FText += NameOf(ShortMonthNames, FMoment.Date.month()); return;
      default: FText += NameOf(LongMonthNames, FMoment.Date.month()); return;
    }
  }

  void WriteDateAndTime() {
    WriteNested(BrazilianLocale::ShortDateFormat());
    if (FMoment.Time.msecsSinceStartOfDay() != 0) {
      FText += u' ';
      WriteNested(BrazilianLocale::LongTimeFormat());
    }
  }

  void WriteNested(const QString& pattern) { FText += FormatDateTimePattern(pattern, FMoment); }
};

}  // namespace

QString FormatDateTimePattern(const QString& pattern, const TfrxDateTimeValue& moment) {
  return DateTimePatternWriter(pattern, moment).Write();
}
