#include "doclib/Formatting.h"
#include "doclib/InvalidInputError.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::doclib;

namespace {

const QDate inDecember2013(2013, 12, 10);

}  // namespace

TEST(FormatDate, CompletesTypedDatesFromToday)
{
  const struct {
    const char16_t* text;
    const char16_t* date;
  } cases[] = {
    {u"25122013", u"25/12/2013"}, {u"251213", u"25/12/2013"}, {u"25/12/2013", u"25/12/2013"},
    {u"2512", u"25/12/2013"},     {u"25", u"25/12/2013"},     {u"010170", u"01/01/1970"},
    {u"010163", u"01/01/1963"},   {u"010162", u"01/01/2062"}, {u"29022012", u"29/02/2012"},
    {u"", u""},                   {u"--", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDate(QString::fromUtf16(c.text), inDecember2013), QString::fromUtf16(c.date))
      << QString::fromUtf16(c.text).toStdString();
}

TEST(FormatDate, RefusesImpossibleDatesNamingTheCompletedText)
{
  const struct {
    const char16_t* text;
    const char16_t* message;
  } cases[] = {
    {u"310213", u"Data inválida: 31/02/13"},
    {u"31022013", u"Data inválida: 31/02/2013"},
    {u"29022013", u"Data inválida: 29/02/2013"},
    {u"31112013", u"Data inválida: 31/11/2013"},
    {u"01132013", u"Data inválida: 01/13/2013"},
    {u"00012013", u"Data inválida: 00/01/2013"},
    {u"01010000", u"Data inválida: 01/01/0000"},
    {u"123", u"Data inválida: 123"},
    {u"1234567", u"Data inválida: 1234567"},
    {u"32", u"Data inválida: 32/12/2013"},
  };
  for (const auto& c : cases) {
    try {
      FormatDate(QString::fromUtf16(c.text), inDecember2013);
      ADD_FAILURE() << "accepted " << QString::fromUtf16(c.text).toStdString();
    } catch (const InvalidInputError& error) {
      EXPECT_EQ(error.Message(), QString::fromUtf16(c.message));
    }
  }
}
