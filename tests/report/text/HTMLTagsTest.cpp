#include "report/text/HTMLTags.h"
#include "report/text/TextEngine.h"

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

struct Parsed {
  QString text;
  quitanza::report::HTMLTags tags;
};

Parsed parse(const QString& source, bool allowTags = true)
{
  HTMLTagsList parser;
  parser.m_allowTags = allowTags;
  parser.SetDefaults(clBlack, 12, {});
  Parsed result{source, {}};
  parser.ExpandHTMLTags(result.text, result.tags);
  return result;
}

}  // namespace

TEST(HTMLTags, RecognisedTagsAreRemovedAndOthersStay)
{
  const struct { const char16_t* source; const char16_t* text; } cases[] = {
      {u"<b>a</b>b", u"ab"},
      {u"<I>a</I><U>b</U>", u"ab"},
      {u"<strike>x</strike>", u"x"},
      {u"<sub>1</sub><sup>2</sup>", u"12"},
      {u"<nowrap>a b</nowrap>", u"a b"},
      {u"<font color=\"#FF8000\">x</font>", u"x"},
      {u"<font color=  navy>x</font>", u"x"},
      {u"<font color=#FF8000>x", u"<font color=#FF8000>x"},
      {u"<font color=nothing>x", u"<font color=nothing>x"},
      {u"<xyz>a", u"a"},
      {u"<br>a <p>", u"<br>a <p>"},
      {u"a < b", u"a < b"},
      {u"<b>", u" "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parse(QString::fromUtf16(c.source)).text, QString::fromUtf16(c.text))
        << QString::fromUtf16(c.source).toStdString();
  EXPECT_EQ(parse(QStringLiteral("<b>a</b>"), false).text, QStringLiteral("<b>a</b>"));
}

TEST(HTMLTags, EveryCharacterGetsItsFormatting)
{
  const Parsed p = parse(QStringLiteral("a<b>b<font color=\"#FF0000\">c</font></b><sub>d</sub>"));
  ASSERT_EQ(p.text, QStringLiteral("abcd"));
  ASSERT_EQ(p.tags.size(), 4u);
  EXPECT_EQ(p.tags[0].Position, 1);
  EXPECT_EQ(p.tags[1].Position, 5);
  EXPECT_EQ(p.tags[0].Style, 0);
  EXPECT_EQ(p.tags[1].Style, FontStyle::Bold);
  EXPECT_EQ(p.tags[2].Color, clRed);
  EXPECT_EQ(p.tags[3].Color, clBlack);
  EXPECT_EQ(p.tags[3].Size, 8);
  EXPECT_EQ(p.tags[3].AddY, 1);
  EXPECT_TRUE(p.tags[3].Small);
  // Default: formatted like the character before (the first: like the defaults).
  EXPECT_TRUE(p.tags[0].Default);
  EXPECT_FALSE(p.tags[1].Default);
  EXPECT_FALSE(p.tags[2].Default);
  EXPECT_FALSE(p.tags[3].Default);
}

TEST(HTMLTags, WithoutTagPermissionEveryCharacterIsDefault)
{
  const Parsed p = parse(QStringLiteral("<b>x"), false);
  for (const HTMLTag& tag : p.tags)
    EXPECT_TRUE(tag.Default);
}

TEST(HTMLTags, DeleteTagsKeepsLines)
{
  TextEngine engine;
  EXPECT_EQ(engine.DeleteTags(QStringLiteral("<b>Recibo</b>\r\n<i></i>\r\nvalor <u>R$</u>")),
            QStringLiteral("Recibo\r\n\r\nvalor R$"));
}
