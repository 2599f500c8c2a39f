#include "report/format/BinaryProps.h"
#include "report/format/Errors.h"

#include <gtest/gtest.h>

using namespace quitanza::report;

namespace {

// Either case decodes; an odd count or any character that is not a
// hexadecimal digit, wherever it stands, fails.
TEST(HexToBin, DecodesEitherCaseAndRefusesAnythingElse)
{
  const QByteArray upper = "00FF10A5C3E7B29D5A0123456789ABCDEF1F";
  for (const QByteArray& text : {QByteArray(), upper, upper.toLower(), QByteArray("0123456789abCDEF0A"),
                                 QByteArray("AB"), QByteArray("0123456789ABCDEF"), QByteArray("ABCDEF0")}) {
    SCOPED_TRACE(text.toStdString());
    if (text.size() % 2 != 0) {
      EXPECT_THROW(HexToBin(text), ReportError);
      continue;
    }
    EXPECT_EQ(HexToBin(text), QByteArray::fromHex(text));
  }
  for (qsizetype at : {qsizetype(0), qsizetype(3), qsizetype(7), qsizetype(8), qsizetype(15), upper.size() - 1}) {
    for (char bad : {'G', 'g', ' ', '/', ':', '@', '`', '\xC3'}) {
      QByteArray text = upper;
      text[at] = bad;
      EXPECT_THROW(HexToBin(text), ReportError) << "at " << at << " '" << bad << "'";
    }
  }
}

}  // namespace
