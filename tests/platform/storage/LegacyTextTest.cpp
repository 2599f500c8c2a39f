#include "platform/storage/LegacyText.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;

TEST(LegacyText, TellsValidUtf8FromOtherBytes)
{
  const struct {
    const char* bytes;
    bool valid;
  } cases[] = {
    {"", true},
    {"plain ASCII", true},
    {"S\xC3\xA3o Jo\xC3\xA3o", true},            // São João
    {"\xE2\x82\xAC", true},                      // €
    {"\xF0\x9F\x98\x80", true},                  // emoji, four bytes
    {"S\xE3o Jo\xE3o", false},                   // São João in Windows-1252
    {"\x80", false},                             // € in Windows-1252, a lone continuation byte
    {"\xC3", false},                             // cut short
    {"\xE2\x82", false},                         // cut short
    {"\xC0\xAF", false},                         // overlong "/"
    {"\xE0\x80\xAF", false},                     // overlong "/"
    {"\xED\xA0\x80", false},                     // a surrogate
    {"\xF4\x90\x80\x80", false},                 // past U+10FFFF
    {"\xC3\x28", false},                         // bad continuation
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(LegacyText, DecodesWindows1252IncludingItsOwnRange)
{
  EXPECT_EQ(DecodeWindows1252("S\xE3o Jo\xE3o \xC7\xE9"), QStringLiteral(u"São João Çé"));
  EXPECT_EQ(DecodeWindows1252("\x80 \x93x\x94 \x96"), QStringLiteral(u"€ “x” –"));
}

TEST(LegacyText, OneWindows1252ByteMakesTheWholeTextWindows1252)
{
  const QByteArray mixed = "\xC3\xA3 \xE3";  // looks like "ã" in UTF-8, then a Windows-1252 "ã"
  ASSERT_EQ(DetectTextEncoding(mixed), TextEncoding::Windows1252);
  EXPECT_EQ(DecodeText(mixed, TextEncoding::Windows1252), QStringLiteral(u"Ã£ ã"));
  EXPECT_EQ(DecodeText("\xC3\xA3", DetectTextEncoding("\xC3\xA3")), QStringLiteral(u"ã"));
}
