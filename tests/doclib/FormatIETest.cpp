#include "doclib/Formatting.h"
#include "doclib/Validar.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::doclib;

TEST(FormatIE, LaysOutRegistrationsWithTheirStateMask)
{
  const struct {
    const char16_t* registration;
    const char16_t* uf;
    const char16_t* formatted;
  } cases[] = {
    {u"123456789012", u"SP", u"123.456.789.012"},
    {u"1234567890123", u"MG", u"123.456.789/0123"},
    {u"1234567890", u"RS", u"123/4567890"},
    {u"12345678", u"BA", u"123456-78"},
    {u"1234567890123", u"AC", u"12.345.678/901-23"},
    {u"123456789", u"MA", u"12.345.678-9"},
    {u"1234", u"SP", u"123.4.."},                     // separators of unfilled places remain
    {u"12345678901234", u"SP", u"123.456.789.01234"},  // surplus after the mask
    {u"ISENTO", u"SP", u"ISENTO"},
    {u"ISENTO", u"", u"ISENTO"},
    {u"   ", u"SP", u"   "},
    {u"", u"SP", u""},
    // Nothing typed is dropped, whatever the mask's length.
    {u"123456789", u"EX", u"123456789"},
    {u"12345678901234", u"AL", u"12345678901234"},
    {u"123456789012", u"sp", u"123456789012"},  // the state is named in capitals
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatIE(QString::fromUtf16(c.registration), QString::fromUtf16(c.uf)), QString::fromUtf16(c.formatted))
      << QString::fromUtf16(c.registration).toStdString() << " " << QString::fromUtf16(c.uf).toStdString();
}

TEST(IsValidIE, AcceptsEveryRegistration)
{
  for (const char16_t* registration : {u"", u"ISENTO", u"123", u"abc", u"123.456.789.012"})
    EXPECT_TRUE(IsValidIE(QString::fromUtf16(registration), QStringLiteral("SP")));
}
