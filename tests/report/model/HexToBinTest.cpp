#include "report/model/frxBinaryProps.h"
#include "report/model/frxErrors.h"

#include <gtest/gtest.h>

namespace {

// Upper case is read eight digits at a time; whatever breaks a group of
// eight (lower case, a stray character, the last few digits) must decode or
// fail exactly as digit by digit.
TEST(HexToBin, DecodesEitherCaseAndRefusesAnythingElse)
{
  const QByteArray upper = "00FF10A5C3E7B29D5A0123456789ABCDEF1F";
  for (const QByteArray& text : {QByteArray(), upper, upper.toLower(), QByteArray("0123456789abCDEF0A"),
                                 QByteArray("AB"), QByteArray("0123456789ABCDEF"), QByteArray("ABCDEF0")}) {
    SCOPED_TRACE(text.toStdString());
    QByteArray bytes("reused storage");
    if (text.size() % 2 != 0) {
      EXPECT_THROW(frxHexToBin(text, bytes), EfrxError);
      continue;
    }
    frxHexToBin(text, bytes);
    EXPECT_EQ(bytes, QByteArray::fromHex(text));
  }
  for (qsizetype at : {qsizetype(0), qsizetype(3), qsizetype(7), qsizetype(8), qsizetype(15), upper.size() - 1}) {
    for (char bad : {'G', 'g', ' ', '/', ':', '@', '`', '\xC3'}) {
      QByteArray text = upper;
      text[at] = bad;
      QByteArray bytes;
      EXPECT_THROW(frxHexToBin(text, bytes), EfrxError) << "at " << at << " '" << bad << "'";
    }
  }
}

}  // namespace
