#include "app/AuthenticationCode.h"

#include "tests/doclib/PrintQString.h"

#include <gtest/gtest.h>

using namespace quitanza::app;

// Known answers: MD5 of the first n bytes of the UTF-16LE form of n units.
TEST(AuthenticationCode, HashesTheFirstHalfOfTheUtf16Bytes)
{
  const struct {
    const char16_t* text;
    const char* code;
  } cases[] = {
    {u"abc", "70350F6027BCE3713F6B76473084309B"},   // 61 00 62
    {u"", "D41D8CD98F00B204E9800998ECF8427E"},
    {u"São", "B155DADCCFF43F99FEF2623099C39B0A"},   // 53 00 E3
    {u"\U0001F600x", "C37823E0CC7FACDAC4274B210CA3ADE7"},  // 3D D8 00: half a surrogate pair
  };
  for (const auto& c : cases)
    EXPECT_EQ(Md5ParaHex(Md5DeTexto(QString::fromUtf16(c.text))), QString::fromLatin1(c.code));
}

TEST(AuthenticationCode, JoinsAmountIssuerNumberAndClient)
{
  EXPECT_EQ(CodigoAutenticacao(QStringLiteral("150,00"), QStringLiteral("12345678000195"), 1, QStringLiteral("JOSE")),
            QStringLiteral("8BA0A59D6665B6BDA209990E05311165"));
  EXPECT_EQ(CodigoAutenticacao(QStringLiteral("1.500,00"), QStringLiteral("12345678000195"), 42,
                               QStringLiteral("D'ÁVILA")),
            QStringLiteral("1A76F3FA394E1F0A69CC16A72C91E227"));
}

TEST(AuthenticationCode, TakesOnlyTheLengthOfClientNamesUpToTwentyOneUnits)
{
  // "150,00" + "12345678000195" + "1" is 21 units long: a client name of L
  // units makes 21 + L bytes hashed, all of them from the first 21 units.
  const auto code = [](const QString& client) {
    return CodigoAutenticacao(QStringLiteral("150,00"), QStringLiteral("12345678000195"), 1, client);
  };
  EXPECT_EQ(code(QStringLiteral("ANA")), code(QStringLiteral("BIA")));
  EXPECT_EQ(code(QString(21, u'A')), code(QString(21, u'Z')));
  EXPECT_NE(code(QStringLiteral("ANA")), code(QStringLiteral("ANAS")));
  // From 22 units on, the name's first character enters the code.
  EXPECT_NE(code(QString(22, u'A')), code(u'B' + QString(21, u'A')));
  EXPECT_EQ(code(QString(22, u'A')), code(u'A' + QString(21, u'Z')));
}

TEST(AuthenticationCode, WritesTheDigestInUpperCaseHex)
{
  EXPECT_EQ(Md5ParaHex(QByteArray::fromHex("00ff10ab")), QStringLiteral("00FF10AB"));
}
